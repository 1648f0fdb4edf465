#!/usr/bin/env python3
"""Checks Barquill.aip as a file, without Windows: it is a DLL for the expected processor, and its
PIPL resource (type "PIPL", id 16000, English (United States)) holds exactly the four properties
the host reads, the entry point among them under the x86 key.

usage: check_pipl.py PLUGIN i686|x86_64
"""
import struct
import sys

MACHINES = {"i686": 0x14C, "x86_64": 0x8664}
DLL = 0x2000
RESOURCE_DIRECTORY = 2
ENGLISH_US = 1033
NAMED = 0x80000000


def code(text):
    """A four-character code as the PIPL stores it: byte-reversed."""
    return text.encode("ascii")[::-1]


def prop(key, data):
    return code("ADBE") + code(key) + struct.pack("<II", 0, len(data)) + data


EXPECTED = (struct.pack("<HII", 1, 0, 4)
            + prop("kind", code("SPEA"))
            + prop("ivrs", struct.pack("<I", 2))
            + prop("wx86", b"PluginMain\0\0")
            + prop("pinm", b"Barquill"))


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a Windows program file")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        self.machine, sections, _, _, _, optional_size, self.flags = struct.unpack_from(
            "<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.resources = struct.unpack_from("<I", data, directories + 8 * RESOURCE_DIRECTORY)[0]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8)
                         for i in range(sections)]

    def offset(self, address):
        """The file offset of a relative virtual address."""
        for virtual_size, virtual_address, raw_size, raw_offset in self.sections:
            if virtual_address <= address < virtual_address + max(virtual_size, raw_size):
                return raw_offset + address - virtual_address
        raise ValueError(f"address {address:#x} lies in no section")

    def name_at(self, at):
        length = struct.unpack_from("<H", self.data, at)[0]
        return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")

    def entries(self, directory):
        """The entries of a resource directory: (name or id, offset of what they point to)."""
        base = self.offset(self.resources)
        at = base + directory
        named, numbered = struct.unpack_from("<HH", self.data, at + 12)
        for i in range(named + numbered):
            key, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
            name = self.name_at(base + (key & ~NAMED)) if key & NAMED else key
            yield name, target & ~NAMED

    def resource(self, kind, name, language):
        for found_kind, names in self.entries(0):
            if found_kind != kind:
                continue
            for found_name, languages in self.entries(names):
                if found_name != name:
                    continue
                for found_language, leaf in self.entries(languages):
                    if found_language == language:
                        at = self.offset(self.resources) + leaf
                        address, size = struct.unpack_from("<II", self.data, at)
                        start = self.offset(address)
                        return self.data[start:start + size]
        return None


def main():
    path, processor = sys.argv[1], sys.argv[2]
    plugin = PeFile(open(path, "rb").read())
    faults = []
    if plugin.machine != MACHINES[processor]:
        faults.append(f"built for machine {plugin.machine:#x}, not {processor}")
    if not plugin.flags & DLL:
        faults.append("not a DLL")
    pipl = plugin.resource("PIPL", 16000, ENGLISH_US)
    if pipl is None:
        faults.append("no PIPL resource 16000 in English (United States)")
    elif pipl != EXPECTED:
        faults.append(f"PIPL is {pipl.hex()}, expected {EXPECTED.hex()}")
    for fault in faults:
        print(f"{path}: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
