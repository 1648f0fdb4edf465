// Decodes barcode images with zxing-wasm: `node decode.mjs FILE.png ...` prints one line per
// file, "FILE<TAB>FORMAT<TAB>TEXT" with the symbology found and the decoded text (GS1 data with
// parenthesised identifiers), "FILE<TAB><TAB>" when nothing was found, or
// "FILE<TAB>ERROR<TAB>reason" when the file cannot be read.
// Each image is laid on white (transparent pixels included) inside a white border first.
import { readFileSync } from "node:fs";
import { PNG } from "pngjs";
import { prepareZXingModule, readBarcodes } from "zxing-wasm/reader";

const BORDER = 32;

// Offline: the module is given its .wasm from node_modules instead of downloading it.
const wasmBinary = readFileSync(
  new URL("./node_modules/zxing-wasm/dist/reader/zxing_reader.wasm", import.meta.url),
);
await prepareZXingModule({ overrides: { wasmBinary }, fireImmediately: true });

function onWhiteWithBorder(png) {
  const width = png.width + 2 * BORDER;
  const height = png.height + 2 * BORDER;
  const data = new Uint8ClampedArray(width * height * 4).fill(255);
  for (let y = 0; y < png.height; ++y) {
    for (let x = 0; x < png.width; ++x) {
      const from = (y * png.width + x) * 4;
      const to = ((y + BORDER) * width + x + BORDER) * 4;
      const alpha = png.data[from + 3] / 255;
      for (let c = 0; c < 3; ++c) {
        data[to + c] = Math.round(png.data[from + c] * alpha + 255 * (1 - alpha));
      }
    }
  }
  return { data, width, height };
}

const options = {
  formats: ["DataBarOmni", "DataBarStk", "DataBarStkOmni", "DataBarLtd", "DataBarExp", "DataBarExpStk", "Code128"],
  tryHarder: true,
  maxNumberOfSymbols: 1,
};

for (const path of process.argv.slice(2)) {
  try {
    const image = onWhiteWithBorder(PNG.sync.read(readFileSync(path)));
    const results = await readBarcodes(image, options);
    const found = results[0];
    console.log(`${path}\t${found ? found.format : ""}\t${found ? found.text : ""}`);
  } catch (error) {
    console.log(`${path}\tERROR\t${error.message}`);
  }
}
