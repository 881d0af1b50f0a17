"""Dialog templates as the dialog manager reads them: the classic DLGTEMPLATE
and the extended DLGTEMPLATEEX, each followed by its controls."""

from dataclasses import dataclass, field

from binary_reader import BinaryReader

DS_SETFONT = 0x40


@dataclass
class Control:
    style: int
    ex_style: int
    help_id: int  # always 0 in a classic template
    x: int
    y: int
    cx: int
    cy: int
    id: int
    window_class: object  # an atom (int) or a class name
    text: object  # a resource number (int) or the text
    creation_data: bytes


@dataclass
class Dialog:
    extended: bool
    style: int
    ex_style: int
    help_id: int
    x: int
    y: int
    cx: int
    cy: int
    menu: object
    window_class: object
    title: str
    point_size: int = None
    weight: int = None  # the extended form only
    italic: int = None
    charset: int = None
    typeface: str = None
    controls: list = field(default_factory=list)
    trailing: bytes = b""


def parse_dialog(data):
    reader = BinaryReader(data)
    extended = data[2:4] == b"\xff\xff" and data[0:2] == b"\x01\x00"
    if extended:
        reader.u16(), reader.u16()  # version 1, signature 0xFFFF
        help_id, ex_style, style = reader.u32(), reader.u32(), reader.u32()
    else:
        style, ex_style, help_id = reader.u32(), reader.u32(), 0
    count = reader.u16()
    dialog = Dialog(extended, style, ex_style, help_id,
                    reader.s16(), reader.s16(), reader.s16(), reader.s16(),
                    menu=reader.utf16z_or_ordinal(), window_class=reader.utf16z_or_ordinal(),
                    title=reader.utf16z())
    if style & DS_SETFONT:
        dialog.point_size = reader.u16()
        if extended:
            dialog.weight, dialog.italic, dialog.charset = reader.u16(), reader.u8(), reader.u8()
        dialog.typeface = reader.utf16z()
    for _ in range(count):
        reader.align4()
        dialog.controls.append(_parse_control(reader, extended))
    dialog.trailing = data[reader.offset:]
    return dialog


def _parse_control(reader, extended):
    if extended:
        help_id, ex_style, style = reader.u32(), reader.u32(), reader.u32()
    else:
        style, ex_style, help_id = reader.u32(), reader.u32(), 0
    x, y, cx, cy = reader.s16(), reader.s16(), reader.s16(), reader.s16()
    control_id = reader.u32() if extended else reader.u16()
    window_class = reader.utf16z_or_ordinal()
    text = reader.utf16z_or_ordinal()
    creation_data = reader.take(reader.u16())
    return Control(style, ex_style, help_id, x, y, cx, cy, control_id, window_class, text,
                   creation_data)
