"""The executable's resources as a whole, and the headers naming them."""

import unittest

import resource_context as ctx
from pe_resources import LANG_CHINESE_PRC, LANG_ENGLISH_US, RT_MANIFEST
from string_table import string_resource

# resource.h against the ids the forms and the code agree on.
PROGRAM_IDS = {
    "IDD_ABOUT": 100, "IDS_ABOUT_MENU": 101, "IDD_CALCULATOR": 102, "IDI_APP": 128,
    "IDM_ABOUT": 0x0010, "IDC_STATIC": -1,
    "IDC_DURATION1": 1000, "IDC_TIME_UNIT1": 1001, "IDC_CURRENT1": 1003, "IDC_CURRENT_UNIT1": 1004,
    "IDC_DURATION2": 1005, "IDC_TIME_UNIT2": 1006, "IDC_CURRENT2": 1007, "IDC_CURRENT_UNIT2": 1008,
    "IDC_DURATION3": 1009, "IDC_TIME_UNIT3": 1010, "IDC_CURRENT3": 1011, "IDC_CURRENT_UNIT3": 1012,
    "IDC_DURATION4": 1013, "IDC_TIME_UNIT4": 1014, "IDC_CURRENT4": 1015, "IDC_CURRENT_UNIT4": 1016,
    "IDC_DURATION5": 1017, "IDC_TIME_UNIT5": 1018, "IDC_CURRENT5": 1019, "IDC_CURRENT_UNIT5": 1020,
    "IDC_CALC_AVERAGE_POWER": 1002, "IDC_CALC_BATTERY_LIFE": 1021,
    "IDC_CAPACITY": 1022, "IDC_CAPACITY_UNIT": 1023, "IDC_CONTACT_LINK": 1025,
}


class Languages(unittest.TestCase):
    def test_everything_but_the_manifest_is_chinese(self):
        for kind, name, lang in ctx.resources():
            with self.subTest(type=kind, name=name):
                wanted = LANG_ENGLISH_US if kind == RT_MANIFEST else LANG_CHINESE_PRC
                self.assertEqual(lang, wanted)


class FrameworkStrings(unittest.TestCase):
    def test_help_failure_message_in_chinese(self):
        string_id = ctx.header_number("../afx/include/afx/framework_ids.h", "AFX_IDP_FAILED_TO_LAUNCH_HELP")
        self.assertGreaterEqual(string_id, 0xE000, "clear of the program's own ids")
        self.assertEqual(string_resource(ctx.resources(), string_id, LANG_CHINESE_PRC),
                         "启动帮助失败。")


class ResourceHeader(unittest.TestCase):
    def test_ids(self):
        for name, value in PROGRAM_IDS.items():
            with self.subTest(name=name):
                self.assertEqual(ctx.header_number("resource.h", name), value)

    def test_no_two_controls_share_an_id(self):
        controls = [n for n in ctx.header_defines("resource.h")
                    if n.startswith("IDC_") and n != "IDC_STATIC"]
        values = [ctx.header_number("resource.h", n) for n in controls]
        self.assertEqual(len(values), len(set(values)))


if __name__ == "__main__":
    unittest.main()
