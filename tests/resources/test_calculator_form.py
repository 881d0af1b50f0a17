"""The calculator window's form: template 102 and the data that fills its
unit lists, as the executable carries them."""

import struct
import unittest

import resource_context as ctx
from dialog_template import parse_dialog
from pe_resources import LANG_CHINESE_PRC, RT_DIALOG, RT_DLGINIT, languages_of
from win32_constants import (
    BS_PUSHBUTTON, BUTTON_CLASS, CBS_DROPDOWN, COMBOBOX_CLASS, DS_CENTER, DS_FIXEDSYS,
    DS_MODALFRAME, DS_SETFONT, EDIT_CLASS, ES_AUTOHSCROLL, ES_NUMBER, SS_LEFT, STATIC_CLASS,
    WS_BORDER, WS_CAPTION, WS_CHILD, WS_EX_APPWINDOW, WS_GROUP, WS_POPUP, WS_SYSMENU,
    WS_TABSTOP, WS_VISIBLE, WS_VSCROLL)

IDD_CALCULATOR = 102
UNADDRESSED = 0xFFFF  # id -1 as a classic template's 16-bit id

# Kind of control -> (window class, style).
FIELD = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL
KINDS = {
    "label": (STATIC_CLASS, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT),
    "field": (EDIT_CLASS, FIELD),
    "digits": (EDIT_CLASS, FIELD | ES_NUMBER),
    "list": (COMBOBOX_CLASS, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN),
    "button": (BUTTON_CLASS, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON),
    "link": ("SysLink", WS_CHILD | WS_VISIBLE | WS_TABSTOP),
}

LINK = None  # the link's text comes from resource.h

# The controls in template order, which is also the tab order:
# kind, id, text, x, y, width, height in dialog units.
CONTROLS = [
    ("label", UNADDRESSED, "窗口(1):", 15, 13, 26, 8),
    ("field", 1000, "", 45, 11, 40, 13),
    ("list", 1001, "", 86, 11, 25, 105),
    ("label", UNADDRESSED, "电流(1):", 119, 13, 26, 8),
    ("field", 1003, "", 148, 11, 40, 13),
    ("list", 1004, "", 189, 11, 25, 105),
    ("label", UNADDRESSED, "窗口(2):", 15, 30, 26, 8),
    ("field", 1005, "", 45, 28, 40, 13),
    ("list", 1006, "", 86, 28, 25, 105),
    ("label", UNADDRESSED, "电流(2):", 119, 30, 26, 8),
    ("field", 1007, "", 148, 28, 40, 13),
    ("list", 1008, "", 189, 28, 25, 105),
    ("label", UNADDRESSED, "窗口(3):", 15, 47, 26, 8),
    ("field", 1009, "", 45, 45, 40, 13),
    ("list", 1010, "", 86, 45, 25, 105),
    ("label", UNADDRESSED, "电流(3):", 119, 47, 26, 8),
    ("field", 1011, "", 148, 45, 40, 13),
    ("list", 1012, "", 189, 45, 25, 105),
    ("label", UNADDRESSED, "窗口(4):", 15, 64, 26, 8),
    ("field", 1013, "", 45, 62, 40, 13),
    ("list", 1014, "", 86, 62, 25, 105),
    ("label", UNADDRESSED, "电流(4):", 119, 64, 26, 8),
    ("field", 1015, "", 148, 62, 40, 13),
    ("list", 1016, "", 189, 62, 25, 105),
    # Row 5 lies only 16 units below row 4.
    ("label", UNADDRESSED, "窗口(5):", 15, 80, 26, 8),
    ("field", 1017, "", 45, 78, 40, 13),
    ("list", 1018, "", 86, 78, 25, 105),
    ("label", UNADDRESSED, "电流(5):", 119, 80, 26, 8),
    ("field", 1019, "", 148, 78, 40, 13),
    ("list", 1020, "", 189, 78, 25, 105),
    # In tab order the average-power button comes first although it stands
    # right of the battery-life button.
    ("button", 1002, "计算平均功耗", 172, 95, 50, 14),
    ("button", 1021, "电池使用年限", 119, 95, 50, 14),
    ("label", UNADDRESSED, "电池容量:", 15, 97, 31, 8),
    ("digits", 1022, "", 45, 96, 40, 13),
    ("list", 1023, "", 86, 96, 25, 105),
    ("label", UNADDRESSED, "联系我们: ", 63, 117, 33, 8),  # ends in a blank
    ("link", 1025, LINK, 98, 117, 60, 9),
]

# The unit lists' items in resource order: row by row, time units then
# current units, then the capacity units.
TIME_UNITS = ["s", "ms", "us"]
CURRENT_UNITS = ["uA", "mA", "A"]
CAPACITY_UNITS = ["mA/h", "A/h"]
LIST_ITEMS = [
    (list_id, item)
    for time_list, current_list in [(1001, 1004), (1006, 1008), (1010, 1012), (1014, 1016),
                                    (1018, 1020)]
    for list_id, items in [(time_list, TIME_UNITS), (current_list, CURRENT_UNITS)]
    for item in items
] + [(1023, item) for item in CAPACITY_UNITS]

CB_ADDSTRING_IN_DLGINIT = 0x0403


def same_class(found, wanted):
    # Class names are matched without regard to case (windres writes a
    # CONTROL's class in capitals); the predefined classes are atoms.
    if isinstance(wanted, str):
        return isinstance(found, str) and found.casefold() == wanted.casefold()
    return found == wanted


def link_text():
    return "<a>" + ctx.header_string("resource.h", "AMBRIX_CONTACT_ADDRESS", wide=True) + "</a>"


class CalculatorTemplate(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = ctx.resources()[(RT_DIALOG, IDD_CALCULATOR, LANG_CHINESE_PRC)]
        cls.dialog = parse_dialog(cls.data)

    def test_only_in_chinese(self):
        self.assertEqual(languages_of(ctx.resources(), RT_DIALOG, IDD_CALCULATOR),
                         [LANG_CHINESE_PRC])

    def test_is_a_classic_template(self):
        # A classic template cannot carry font weight or help ids; the form needs neither.
        self.assertFalse(self.dialog.extended)

    def test_window_style_has_exactly_the_listed_flags(self):
        wanted = (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME
                  | DS_SETFONT | DS_FIXEDSYS)
        self.assertEqual(hex(self.dialog.style), hex(wanted))
        self.assertEqual(hex(self.dialog.style), "0x90c808c8", "the same, spelled out")

    def test_shown_in_the_task_bar_and_nothing_else_extended(self):
        self.assertEqual(hex(self.dialog.ex_style), hex(WS_EX_APPWINDOW))

    def test_frame(self):
        d = self.dialog
        self.assertEqual((d.x, d.y, d.cx, d.cy), (0, 0, 235, 133))
        self.assertEqual(d.menu, "", "no menu")
        self.assertEqual(d.window_class, "", "the system's dialog class")
        self.assertEqual(d.title, "平均功耗计算器----------Norvale")
        self.assertEqual(d.title.count("-"), 10)

    def test_shell_font(self):
        self.assertEqual((self.dialog.point_size, self.dialog.typeface), (9, "MS Shell Dlg"))

    def test_nothing_after_the_last_control(self):
        self.assertLess(len(self.dialog.trailing), 4, "at most the padding to a DWORD")
        self.assertEqual(self.dialog.trailing.strip(b"\0"), b"")

    def test_controls_in_template_order(self):
        self.assertEqual(len(self.dialog.controls), len(CONTROLS))
        for position, (expected, control) in enumerate(zip(CONTROLS, self.dialog.controls), 1):
            kind, control_id, text, x, y, cx, cy = expected
            window_class, style = KINDS[kind]
            text = link_text() if text is LINK else text
            with self.subTest(position=position, id=control_id, kind=kind):
                self.assertTrue(same_class(control.window_class, window_class),
                                f"class {control.window_class!r}")
                self.assertEqual(hex(control.style), hex(style))
                self.assertEqual(control.ex_style, 0)
                self.assertEqual(control.id, control_id)
                self.assertEqual(control.text, text)
                self.assertEqual((control.x, control.y, control.cx, control.cy), (x, y, cx, cy))
                self.assertEqual(control.creation_data, b"")

    def test_link_opens_a_bare_address(self):
        address = ctx.header_string("resource.h", "AMBRIX_CONTACT_ADDRESS", wide=True)
        self.assertNotIn("://", address, "the shell is handed the address without a scheme")
        self.assertRegex(address, r"^[a-z0-9.-]+\.[a-z]+$")
        self.assertEqual(ctx.header_string("resource.h", "AMBRIX_CONTACT_LINK_TEXT"), link_text(),
                         "the script's link text and the code's address must not drift apart")


class UnitListData(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = ctx.resources()[(RT_DLGINIT, IDD_CALCULATOR, LANG_CHINESE_PRC)]

    def entries(self):
        """(list id, message, text bytes with their zero) up to the closing zero."""
        found, offset = [], 0
        while True:
            (list_id,) = struct.unpack_from("<H", self.data, offset)
            if list_id == 0:
                return found, offset + 2
            message, length = struct.unpack_from("<HI", self.data, offset + 2)
            found.append((list_id, message, self.data[offset + 8:offset + 8 + length]))
            offset += 8 + length

    def test_only_in_chinese(self):
        self.assertEqual(languages_of(ctx.resources(), RT_DLGINIT, IDD_CALCULATOR),
                         [LANG_CHINESE_PRC])

    def test_size(self):
        self.assertEqual(len(self.data), 347)

    def test_ends_with_a_zero_right_after_the_last_entry(self):
        _, end = self.entries()
        self.assertEqual(end, len(self.data))

    def test_items_in_list_order(self):
        found, _ = self.entries()
        self.assertEqual(len(found), len(LIST_ITEMS))
        for position, ((list_id, item), (got_id, message, text)) in enumerate(
                zip(LIST_ITEMS, found), 1):
            with self.subTest(entry=position, list=list_id, item=item):
                self.assertEqual(got_id, list_id)
                self.assertEqual(message, CB_ADDSTRING_IN_DLGINIT)
                self.assertEqual(text, item.encode("ascii") + b"\0",
                                 "ANSI text whose length counts its zero")

    def test_fills_only_the_template_lists(self):
        template = parse_dialog(ctx.resources()[(RT_DIALOG, IDD_CALCULATOR, LANG_CHINESE_PRC)])
        lists = [c.id for c in template.controls if c.window_class == COMBOBOX_CLASS]
        found, _ = self.entries()
        self.assertEqual(sorted({list_id for list_id, _, _ in found}), sorted(lists),
                         "every list gets items, and nothing else does")


if __name__ == "__main__":
    unittest.main()
