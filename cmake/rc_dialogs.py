#!/usr/bin/env python3
"""Turns the DIALOGEX entries of a resource script into C++ tables.

    rc_dialogs.py SCRIPT.rc OUTPUT.cpp

The native build has no resource compiler and no resources: its stand-in of
the dialog manager builds a dialog's windows from these tables, so that the
native build and the Windows module take their templates from one script.

The script is Windows-1250 text. Understood are the statements the module's
script uses: "ID DIALOGEX x, y, cx, cy" with STYLE, EXSTYLE, CAPTION and FONT,
and a BEGIN ... END block of CONTROL statements ("text", id, "class", style,
x, y, cx, cy [, exstyle]). Styles are names joined by '|' (a name may follow
NOT) or numbers. As the resource compiler does, a CONTROL gets WS_CHILD and
WS_VISIBLE, a dialog with a FONT gets DS_SETFONT and one with a CAPTION gets
WS_CAPTION. Anything else stops the build with the line it stands on, so that
the two builds cannot silently disagree.
"""
import re
import sys

# The values of the style names, as the Windows headers define them.
CONSTANTS = {
    "WS_OVERLAPPED": 0x00000000, "WS_POPUP": 0x80000000, "WS_CHILD": 0x40000000,
    "WS_MINIMIZE": 0x20000000, "WS_VISIBLE": 0x10000000, "WS_DISABLED": 0x08000000,
    "WS_CLIPSIBLINGS": 0x04000000, "WS_CLIPCHILDREN": 0x02000000, "WS_MAXIMIZE": 0x01000000,
    "WS_CAPTION": 0x00C00000, "WS_BORDER": 0x00800000, "WS_DLGFRAME": 0x00400000,
    "WS_VSCROLL": 0x00200000, "WS_HSCROLL": 0x00100000, "WS_SYSMENU": 0x00080000,
    "WS_THICKFRAME": 0x00040000, "WS_GROUP": 0x00020000, "WS_TABSTOP": 0x00010000,
    "WS_MINIMIZEBOX": 0x00020000, "WS_MAXIMIZEBOX": 0x00010000,
    "WS_EX_DLGMODALFRAME": 0x00000001, "WS_EX_TOPMOST": 0x00000008, "WS_EX_TRANSPARENT": 0x00000020,
    "WS_EX_TOOLWINDOW": 0x00000080, "WS_EX_CLIENTEDGE": 0x00000200, "WS_EX_CONTEXTHELP": 0x00000400,
    "WS_EX_STATICEDGE": 0x00020000,
    "DS_ABSALIGN": 0x01, "DS_SYSMODAL": 0x02, "DS_LOCALEDIT": 0x20, "DS_SETFONT": 0x40,
    "DS_MODALFRAME": 0x80, "DS_NOIDLEMSG": 0x100, "DS_SETFOREGROUND": 0x200, "DS_3DLOOK": 0x04,
    "DS_FIXEDSYS": 0x08, "DS_NOFAILCREATE": 0x10, "DS_CONTROL": 0x400, "DS_CENTER": 0x800,
    "DS_CENTERMOUSE": 0x1000, "DS_CONTEXTHELP": 0x2000, "DS_SHELLFONT": 0x48,
    "BS_PUSHBUTTON": 0x0, "BS_DEFPUSHBUTTON": 0x1, "BS_CHECKBOX": 0x2, "BS_AUTOCHECKBOX": 0x3,
    "BS_RADIOBUTTON": 0x4, "BS_3STATE": 0x5, "BS_AUTO3STATE": 0x6, "BS_GROUPBOX": 0x7,
    "BS_USERBUTTON": 0x8, "BS_AUTORADIOBUTTON": 0x9, "BS_OWNERDRAW": 0xB, "BS_LEFTTEXT": 0x20,
    "BS_MULTILINE": 0x2000, "BS_NOTIFY": 0x4000, "BS_FLAT": 0x8000,
    "ES_LEFT": 0x0, "ES_CENTER": 0x1, "ES_RIGHT": 0x2, "ES_MULTILINE": 0x4, "ES_UPPERCASE": 0x8,
    "ES_LOWERCASE": 0x10, "ES_PASSWORD": 0x20, "ES_AUTOVSCROLL": 0x40, "ES_AUTOHSCROLL": 0x80,
    "ES_NOHIDESEL": 0x100, "ES_READONLY": 0x800, "ES_WANTRETURN": 0x1000, "ES_NUMBER": 0x2000,
    "SS_LEFT": 0x0, "SS_CENTER": 0x1, "SS_RIGHT": 0x2, "SS_ICON": 0x3, "SS_LEFTNOWORDWRAP": 0xC,
    "SS_NOPREFIX": 0x80, "SS_NOTIFY": 0x100, "SS_SUNKEN": 0x1000,
    "LBS_NOTIFY": 0x1, "LBS_SORT": 0x2, "LBS_NOREDRAW": 0x4, "LBS_MULTIPLESEL": 0x8,
    "LBS_OWNERDRAWFIXED": 0x10, "LBS_HASSTRINGS": 0x40, "LBS_USETABSTOPS": 0x80,
    "LBS_NOINTEGRALHEIGHT": 0x100, "LBS_WANTKEYBOARDINPUT": 0x400, "LBS_EXTENDEDSEL": 0x800,
    "LBS_DISABLENOSCROLL": 0x1000, "LBS_NOSEL": 0x4000,
    "CBS_SIMPLE": 0x1, "CBS_DROPDOWN": 0x2, "CBS_DROPDOWNLIST": 0x3, "CBS_OWNERDRAWFIXED": 0x10,
    "CBS_AUTOHSCROLL": 0x40, "CBS_OEMCONVERT": 0x80, "CBS_SORT": 0x100, "CBS_HASSTRINGS": 0x200,
    "CBS_NOINTEGRALHEIGHT": 0x400, "CBS_DISABLENOSCROLL": 0x800,
}

WS_CHILD_VISIBLE = CONSTANTS["WS_CHILD"] | CONSTANTS["WS_VISIBLE"]

TOKEN = re.compile(r'\s*(?:(?P<str>"(?:[^"]|"")*")|(?P<num>0[xX][0-9a-fA-F]+|-?\d+)[lL]?'
                   r'|(?P<name>[A-Za-z_][A-Za-z0-9_]*)|(?P<punct>[,|]))')


class ScriptError(Exception):
    pass


def tokens(text, line_number):
    out, pos = [], 0
    text = text.rstrip()
    while pos < len(text):
        m = TOKEN.match(text, pos)
        if not m or m.end() == pos:
            raise ScriptError(f"line {line_number}: cannot read {text[pos:]!r}")
        pos = m.end()
        kind = m.lastgroup
        value = m.group(kind)
        if kind == "str":
            value = value[1:-1].replace('""', '"')
        elif kind == "num":
            value = int(value, 0)
        out.append((kind, value))
    return out


def style_value(toks, line_number):
    """A style expression: names or numbers joined by '|', NOT name removes."""
    value, negate, expect_operand = 0, False, True
    for kind, tok in toks:
        if expect_operand:
            if kind == "name" and tok == "NOT":
                negate = True
                continue
            if kind == "num":
                bits = tok & 0xFFFFFFFF
            elif kind == "name" and tok in CONSTANTS:
                bits = CONSTANTS[tok]
            else:
                raise ScriptError(f"line {line_number}: unknown style {tok!r}")
            value = (value & ~bits) if negate else (value | bits)
            negate, expect_operand = False, False
        elif kind == "punct" and tok == "|":
            expect_operand = True
        else:
            raise ScriptError(f"line {line_number}: unexpected {tok!r} in a style")
    if expect_operand:
        raise ScriptError(f"line {line_number}: a style ends with '|'")
    return value


def split_commas(toks):
    parts, current = [], []
    for kind, tok in toks:
        if kind == "punct" and tok == ",":
            parts.append(current)
            current = []
        else:
            current.append((kind, tok))
    parts.append(current)
    return parts


def single(part, kind, line_number, what):
    if len(part) != 1 or part[0][0] != kind:
        raise ScriptError(f"line {line_number}: {what} expected")
    return part[0][1]


def parse_control(toks, line_number):
    parts = split_commas(toks[1:])
    if len(parts) not in (8, 9):
        raise ScriptError(f"line {line_number}: CONTROL takes text, id, class, style, x, y, cx, cy [, exstyle]")
    control = {
        "text": single(parts[0], "str", line_number, "a text"),
        "id": single(parts[1], "num", line_number, "an id"),
        "class": single(parts[2], "str", line_number, "a class name"),
        "style": style_value(parts[3], line_number) | WS_CHILD_VISIBLE,
        "rect": [single(p, "num", line_number, "a coordinate") for p in parts[4:8]],
        "exstyle": style_value(parts[8], line_number) if len(parts) == 9 else 0,
    }
    return control


def parse_dialog_head(toks, line_number):
    if len(toks) < 2 or toks[0][0] != "num" or toks[1] != ("name", "DIALOGEX"):
        return None
    parts = split_commas(toks[2:])
    if len(parts) != 4:
        raise ScriptError(f"line {line_number}: DIALOGEX takes x, y, cx, cy")
    rect = [single(p, "num", line_number, "a coordinate") for p in parts]
    return {"id": toks[0][1], "rect": rect, "style": 0, "exstyle": 0, "caption": None,
            "font": None, "controls": []}


def parse_option(dialog, toks, line_number):
    keyword = toks[0][1]
    if keyword == "STYLE":
        dialog["style"] = style_value(toks[1:], line_number)
    elif keyword == "EXSTYLE":
        dialog["exstyle"] = style_value(toks[1:], line_number)
    elif keyword == "CAPTION":
        dialog["caption"] = single(toks[1:], "str", line_number, "a caption")
    elif keyword == "FONT":
        parts = split_commas(toks[1:])
        if len(parts) < 2:
            raise ScriptError(f"line {line_number}: FONT takes a size and a face")
        dialog["font"] = (single(parts[0], "num", line_number, "a point size"),
                          single(parts[1], "str", line_number, "a face name"))
    else:
        raise ScriptError(f"line {line_number}: unknown statement {keyword}")


def strip_comments(raw):
    text = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), raw, flags=re.S)
    return [re.sub(r"//.*", "", line) for line in text.split("\n")]


def parse(raw):
    dialogs, dialog, in_block = [], None, False
    for number, line in enumerate(strip_comments(raw), 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        toks = tokens(line, number)
        head = toks[0]
        if in_block:
            if head == ("name", "END"):
                in_block, dialog = False, None
            elif head == ("name", "CONTROL"):
                dialog["controls"].append(parse_control(toks, number))
            else:
                raise ScriptError(f"line {number}: only CONTROL statements are read in a dialog")
        elif dialog is not None and head == ("name", "BEGIN"):
            in_block = True
        elif dialog is not None and head[0] == "name":
            parse_option(dialog, toks, number)
        else:
            dialog = parse_dialog_head(toks, number)
            if dialog is None:
                raise ScriptError(f"line {number}: a DIALOGEX entry expected")
            dialogs.append(dialog)
    if in_block or (dialog is not None and not dialog["controls"]):
        raise ScriptError("the script ends inside a dialog")
    for d in dialogs:
        if d["font"]:
            d["style"] |= CONSTANTS["DS_SETFONT"]
        if d["caption"] is not None:
            d["style"] |= CONSTANTS["WS_CAPTION"]
    return dialogs


def c_string(text):
    """A C++ literal of the text's Windows-1250 bytes."""
    out = '"'
    for byte in text.encode("cp1250"):
        if byte >= 0x80:
            out += '\\x%02X" "' % byte
        elif chr(byte) in '"\\':
            out += "\\" + chr(byte)
        elif byte < 0x20:
            out += '\\x%02X" "' % byte
        else:
            out += chr(byte)
    return out + '"'


def emit(dialogs, script_name):
    lines = [f"// Made by cmake/rc_dialogs.py from {script_name}; not to be edited.",
             '#include "platform/posix/dialog_templates.h"', "", "namespace {", ""]
    for d in dialogs:
        lines.append(f"const DialogItemTemplate kItems{d['id']}[] = {{")
        for c in d["controls"]:
            x, y, cx, cy = c["rect"]
            lines.append(f"    {{{c['id']}, {c_string(c['class'])}, 0x{c['style']:08X}u, 0x{c['exstyle']:08X}u, "
                         f"{x}, {y}, {cx}, {cy}, {c_string(c['text'])}}},")
        lines += ["};", ""]
    lines += ["} // namespace", "", "const DialogTemplate kDialogTemplates[] = {"]
    for d in dialogs:
        x, y, cx, cy = d["rect"]
        caption = c_string(d["caption"] or "")
        face, size = (c_string(d["font"][1]), d["font"][0]) if d["font"] else ('""', 0)
        lines.append(f"    {{{d['id']}, 0x{d['style']:08X}u, 0x{d['exstyle']:08X}u, {x}, {y}, {cx}, {cy}, "
                     f"{caption}, {face}, {size}, kItems{d['id']}, {len(d['controls'])}}},")
    lines += ["};", "", f"const int kDialogTemplateCount = {len(dialogs)};", ""]
    return "\n".join(lines)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: rc_dialogs.py SCRIPT.rc OUTPUT.cpp\n")
        return 2
    with open(argv[1], "rb") as f:
        raw = f.read().decode("cp1250")
    try:
        dialogs = parse(raw)
    except ScriptError as error:
        sys.stderr.write(f"{argv[1]}: {error}\n")
        return 1
    text = emit(dialogs, argv[1].replace("\\", "/").split("/")[-1])
    with open(argv[2], "w", encoding="ascii", newline="\n") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
