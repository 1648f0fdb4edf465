// Asks bwip-js's GS1-128 encoder for its verdict on GS1 data: `node gs1_lint.mjs FILE` reads one
// bracketed element string per line, "(01)...(17)...", and prints one line per input: "OK" when
// the symbol is made, else the error's name and its message, "NAME<TAB>MESSAGE" (for example
// "GS1badChecksum<TAB>AI 01: Bad checksum").
import { readFileSync } from "node:fs";
import bwipjs from "bwip-js";

const lines = readFileSync(process.argv[2], "utf8").split("\n");
if (lines.at(-1) === "") lines.pop();
const out = [];
for (const text of lines) {
  try {
    bwipjs.raw({ bcid: "gs1-128", text });
    out.push("OK");
  } catch (error) {
    // "bwipp.GS1badChecksum#3251: AI 01: Bad checksum"
    const message = String(error.message ?? error);
    const match = /^bwipp\.([A-Za-z0-9]+)#\d+: (.*)$/s.exec(message);
    out.push(match ? `${match[1]}\t${match[2]}` : `ERROR\t${message.replace(/\s+/g, " ")}`);
  }
}
process.stdout.write(out.join("\n") + "\n");
