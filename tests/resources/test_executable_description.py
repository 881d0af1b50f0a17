"""What the executable tells the platform about itself: the manifest and the
version block."""

import struct
import unittest
import xml.etree.ElementTree as ElementTree

import resource_context as ctx
from pe_resources import LANG_CHINESE_PRC, LANG_ENGLISH_US, RT_MANIFEST, RT_VERSION
from version_info import parse_version_block

ASM_V1 = "{urn:schemas-microsoft-com:asm.v1}"
ASM_V3 = "{urn:schemas-microsoft-com:asm.v3}"


class Manifest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.manifests = {(name, lang): data for (kind, name, lang), data in ctx.resources().items()
                         if kind == RT_MANIFEST}

    def root(self):
        return ElementTree.fromstring(self.manifests[(1, LANG_ENGLISH_US)])

    def test_one_manifest_for_process_creation_in_english(self):
        self.assertEqual(list(self.manifests), [(1, LANG_ENGLISH_US)])

    def test_standard_application_manifest(self):
        root = self.root()
        self.assertEqual(root.tag, ASM_V1 + "assembly")
        self.assertEqual(root.get("manifestVersion"), "1.0")

    def test_runs_as_the_invoking_user(self):
        levels = self.root().findall(
            f".//{ASM_V3}trustInfo/{ASM_V3}security/{ASM_V3}requestedPrivileges/"
            f"{ASM_V3}requestedExecutionLevel")
        self.assertEqual([(e.get("level"), e.get("uiAccess")) for e in levels],
                         [("asInvoker", "false")])

    def test_selects_common_controls_6(self):
        identities = self.root().findall(
            f"{ASM_V1}dependency/{ASM_V1}dependentAssembly/{ASM_V1}assemblyIdentity")
        self.assertEqual([dict(e.attrib) for e in identities], [{
            "type": "win32",
            "name": "Microsoft.Windows.Common-Controls",
            "version": "6.0.0.0",
            "processorArchitecture": "x86",
            "publicKeyToken": "6595b64144ccf1df",
            "language": "*",
        }])


class VersionBlock(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        found = [(name, lang) for (kind, name, lang) in ctx.resources() if kind == RT_VERSION]
        cls.found = found
        cls.root = parse_version_block(ctx.resources()[(RT_VERSION, 1, LANG_CHINESE_PRC)])

    def test_one_block_in_chinese(self):
        self.assertEqual(self.found, [(1, LANG_CHINESE_PRC)])

    def test_fixed_part(self):
        self.assertEqual(self.root.key, "VS_VERSION_INFO")
        fields = struct.unpack("<13I", self.root.value)
        signature, structure_version = fields[0], fields[1]
        self.assertEqual(hex(signature), "0xfeef04bd")
        self.assertEqual(structure_version, 0x00010000)
        named = dict(zip(["file_ms", "file_ls", "product_ms", "product_ls", "flags_mask", "flags",
                          "os", "type", "subtype", "date_ms", "date_ls"], fields[2:]))
        self.assertEqual(named, {
            "file_ms": 0x00010000, "file_ls": 0x00000001,  # 1.0.0.1
            "product_ms": 0x00010000, "product_ls": 0x00000001,
            "flags_mask": 0x3F, "flags": 0,
            "os": 0x4,  # VOS__WINDOWS32
            "type": 0x1,  # VFT_APP
            "subtype": 0, "date_ms": 0, "date_ls": 0,
        })

    def test_one_string_table_for_chinese_code_page_936(self):
        tables = self.root.child("StringFileInfo").children
        self.assertEqual([t.key for t in tables], ["080403a8"])

    def test_entries_in_alphabetical_order(self):
        table = self.root.child("StringFileInfo").child("080403a8")
        keys = [entry.key for entry in table.children]
        self.assertEqual(keys, ["CompanyName", "FileDescription", "FileVersion", "InternalName",
                                "LegalCopyright", "OriginalFilename", "ProductName",
                                "ProductVersion"])
        self.assertEqual(keys, sorted(keys))

    def test_entry_values(self):
        table = self.root.child("StringFileInfo").child("080403a8")
        values = {entry.key: entry.text() for entry in table.children}
        self.assertTrue(all(entry.is_text for entry in table.children))
        for key, value in [("CompanyName", "Norvale"), ("FileVersion", "1.0.0.1"),
                           ("InternalName", "Ambrix.exe"), ("OriginalFilename", "Ambrix.exe"),
                           ("ProductVersion", "1.0.0.1")]:
            self.assertEqual(values[key], value, key)
        for key in ["FileDescription", "LegalCopyright", "ProductName"]:  # our own wording
            self.assertTrue(values[key].strip(), key)

    def test_translation(self):
        var = self.root.child("VarFileInfo").child("Translation")
        self.assertFalse(var.is_text)
        self.assertEqual(struct.unpack(f"<{len(var.value) // 2}H", var.value), (0x0804, 936))


if __name__ == "__main__":
    unittest.main()
