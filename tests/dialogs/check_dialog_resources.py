#!/usr/bin/env python3
"""Reads the dialog templates back from a built VelorTrDcd.dll, without
running it (so the i686 module is checked too), and compares them with the
resource script they were compiled from:

    check_dialog_resources.py MODULE.dll SCRIPT.rc

Each of the dialogs 137, 138 and 140 must be in the module's resources with
the size the system's dialogs are made for and with the script's style,
caption, font and controls. Prints one line per check and a closing
"N passed, N failed" line; exits non-zero when a check failed.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "cmake"))
import rc_dialogs  # noqa: E402

SIZES = {137: (302, 269), 138: (228, 138), 140: (288, 120)}
RT_DIALOG = 5
CLASS_ATOMS = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "listbox", 0x85: "combobox"}


def resource_section(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    for i in range(sections):
        virtual_size, virtual_address, _, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        if virtual_address <= rsrc_rva < virtual_address + max(virtual_size, 1):
            return raw + (rsrc_rva - virtual_address), raw - virtual_address
    raise ValueError("no resource section")


def entries(data, base, offset):
    named, ids = struct.unpack_from("<HH", data, base + offset + 12)
    for i in range(named + ids):
        name, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
        yield name, target


def dialog_resources(data):
    base, rva_to_file = resource_section(data)
    found = {}
    for type_id, type_target in entries(data, base, 0):
        if type_id != RT_DIALOG:
            continue
        for name_id, name_target in entries(data, base, type_target & 0x7FFFFFFF):
            for _, leaf in entries(data, base, name_target & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                found[name_id] = data[rva + rva_to_file: rva + rva_to_file + size]
    return found


class Reader:
    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def text(self):
        end = self.at
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        value = self.data[self.at:end].decode("utf-16-le")
        self.at = end + 2
        return value

    def name_or_ordinal(self):
        if self.data[self.at:self.at + 2] == b"\xff\xff":
            self.at += 2
            return self.take("H")
        return self.text()


def parse_template(data):
    r = Reader(data)
    version, signature, _, exstyle, style, count = r.take("HHIIIH")
    if (version, signature) != (1, 0xFFFF):
        raise ValueError("not an extended dialog template")
    x, y, cx, cy = r.take("hhhh")
    r.name_or_ordinal()
    r.name_or_ordinal()
    caption = r.text()
    font = None
    if style & 0x40:
        size, _, _, _ = r.take("HHBB")
        font = (size, r.text())
    items = []
    for _ in range(count):
        r.at = (r.at + 3) & ~3
        _, item_exstyle, item_style, ix, iy, icx, icy, item_id = r.take("IIIhhhhI")
        cls = r.name_or_ordinal()
        text = r.name_or_ordinal()
        extra = r.take("H")
        r.at += extra
        items.append({"id": item_id, "class": CLASS_ATOMS.get(cls, str(cls).lower()), "style": item_style,
                      "exstyle": item_exstyle, "rect": [ix, iy, icx, icy], "text": text if isinstance(text, str) else ""})
    return {"style": style, "exstyle": exstyle, "rect": [x, y, cx, cy], "caption": caption, "font": font,
            "items": items}


def main(argv):
    module, script = argv[1], argv[2]
    with open(module, "rb") as f:
        found = dialog_resources(f.read())
    with open(script, "rb") as f:
        wanted = {d["id"]: d for d in rc_dialogs.parse(f.read().decode("cp1250"))}
    passed = failed = 0

    def check(name, ok, detail=""):
        nonlocal passed, failed
        if ok:
            passed += 1
            print("ok   " + name)
        else:
            failed += 1
            print("FAIL " + name + (": " + detail if detail else ""))

    for dialog_id, (cx, cy) in SIZES.items():
        check(f"dialog {dialog_id} in the module", dialog_id in found)
        if dialog_id not in found:
            continue
        have, want = parse_template(found[dialog_id]), wanted[dialog_id]
        check(f"dialog {dialog_id} is {cx} by {cy} dialog units", have["rect"][2:] == [cx, cy], str(have["rect"]))
        check(f"dialog {dialog_id} rectangle, style, caption and font as the script",
              (have["rect"], have["style"], have["exstyle"], have["caption"], have["font"]) ==
              (want["rect"], want["style"], want["exstyle"], want["caption"] or "", (want["font"][0], want["font"][1])))
        same = len(have["items"]) == len(want["controls"]) and all(
            (h["id"], h["class"], h["style"], h["exstyle"], h["rect"], h["text"]) ==
            (w["id"], w["class"].lower(), w["style"], w["exstyle"], w["rect"], w["text"])
            for h, w in zip(have["items"], want["controls"]))
        check(f"dialog {dialog_id}: {len(have['items'])} controls as the script", same)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
