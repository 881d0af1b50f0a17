"""The About box (template 100) and its system-menu entry (string 101)."""

import unittest

import resource_context as ctx
from dialog_template import parse_dialog
from pe_resources import LANG_CHINESE_PRC, RT_DIALOG, RT_STRING, languages_of
from string_table import string_resource
from win32_constants import (
    BS_DEFPUSHBUTTON, BUTTON_CLASS, DEFAULT_CHARSET, DS_FIXEDSYS, DS_MODALFRAME, DS_SETFONT,
    SS_ICON, SS_LEFT, SS_NOPREFIX, STATIC_CLASS, WS_CAPTION, WS_CHILD, WS_GROUP, WS_POPUP,
    WS_SYSMENU, WS_TABSTOP, WS_VISIBLE)

IDD_ABOUT = 100
IDS_ABOUT_MENU = 101
IDI_APP = 128
IDOK = 1
UNADDRESSED = 0xFFFFFFFF  # id -1 as an extended template's 32-bit id

# Class, id, style, text, x, y, width, height.
CONTROLS = [
    # The icon is named by its resource number, not by a string.
    (STATIC_CLASS, UNADDRESSED, WS_CHILD | WS_VISIBLE | SS_ICON, IDI_APP, 14, 14, 21, 20),
    # Full-width comma, one blank before 版; an ampersand here would show as itself.
    (STATIC_CLASS, UNADDRESSED, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX,
     "Ambrix\uff0c1.0 版", 42, 14, 114, 8),
    (STATIC_CLASS, UNADDRESSED, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT, None, 42, 26, 114, 8),
    # The only tab stop and the default button.
    (BUTTON_CLASS, IDOK, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, "确定",
     113, 41, 50, 14),
]


class AboutTemplate(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dialog = parse_dialog(ctx.resources()[(RT_DIALOG, IDD_ABOUT, LANG_CHINESE_PRC)])

    def test_only_in_chinese(self):
        self.assertEqual(languages_of(ctx.resources(), RT_DIALOG, IDD_ABOUT), [LANG_CHINESE_PRC])

    def test_is_an_extended_template(self):
        self.assertTrue(self.dialog.extended)

    def test_style_is_hidden_and_not_centred(self):
        # Not visible when created and none of DS_CENTER, DS_CENTERMOUSE,
        # DS_ABSALIGN: the framework centres the box over its owner instead.
        wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS
        self.assertEqual(hex(self.dialog.style), hex(wanted))
        self.assertEqual(hex(self.dialog.style), "0x80c800c8", "the same, spelled out")
        self.assertEqual(self.dialog.ex_style, 0)
        self.assertEqual(self.dialog.help_id, 0)

    def test_frame_and_font(self):
        d = self.dialog
        self.assertEqual((d.x, d.y, d.cx, d.cy), (0, 0, 170, 62))
        self.assertEqual((d.menu, d.window_class), ("", ""), "no menu, the system's dialog class")
        self.assertEqual(d.title, "关于 Ambrix")
        self.assertEqual((d.point_size, d.weight, d.italic, d.charset, d.typeface),
                         (9, 0, 0, DEFAULT_CHARSET, "MS Shell Dlg"))

    def test_controls_in_template_order(self):
        self.assertEqual(len(self.dialog.controls), len(CONTROLS))
        for position, (expected, control) in enumerate(zip(CONTROLS, self.dialog.controls), 1):
            window_class, control_id, style, text, x, y, cx, cy = expected
            with self.subTest(position=position):
                self.assertEqual(control.window_class, window_class)
                self.assertEqual(control.id, control_id)
                self.assertEqual(hex(control.style), hex(style))
                self.assertEqual((control.ex_style, control.help_id), (0, 0))
                if text is None:  # wording of our own choosing
                    self.assertIsInstance(control.text, str)
                    self.assertTrue(control.text.strip())
                else:
                    self.assertEqual(control.text, text)
                self.assertEqual((control.x, control.y, control.cx, control.cy), (x, y, cx, cy))
                self.assertEqual(control.creation_data, b"")


class AboutMenuString(unittest.TestCase):
    def test_text_with_access_key(self):
        self.assertEqual(string_resource(ctx.resources(), IDS_ABOUT_MENU, LANG_CHINESE_PRC),
                         "关于 Ambrix(&A)...")

    def test_only_in_chinese(self):
        # Strings live in blocks of 16; 101 is in block 7.
        self.assertEqual(languages_of(ctx.resources(), RT_STRING, IDS_ABOUT_MENU // 16 + 1),
                         [LANG_CHINESE_PRC])


if __name__ == "__main__":
    unittest.main()
