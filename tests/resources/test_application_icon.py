"""The application icon, group 128: one 68 x 128 image with an alpha channel."""

import struct
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

import resource_context as ctx
from pe_resources import LANG_CHINESE_PRC, RT_GROUP_ICON, RT_ICON, languages_of

IDI_APP = 128
WIDTH, HEIGHT = 68, 128
MASK_STRIDE = 12  # 68 bits padded to whole DWORDs
IMAGE_SIZE = 40 + WIDTH * HEIGHT * 4 + HEIGHT * MASK_STRIDE


def group_entries(data):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    entries = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(count)]
    return reserved, kind, entries


class IconGroup(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = ctx.resources()[(RT_GROUP_ICON, IDI_APP, LANG_CHINESE_PRC)]

    def test_is_the_only_group_so_also_the_file_icon(self):
        groups = {(name, lang) for (kind, name, lang) in ctx.resources() if kind == RT_GROUP_ICON}
        self.assertEqual(groups, {(IDI_APP, LANG_CHINESE_PRC)})

    def test_one_32_bit_image_of_68_by_128(self):
        reserved, kind, entries = group_entries(self.data)
        self.assertEqual((reserved, kind), (0, 1), "an icon group, not a cursor group")
        self.assertEqual(len(entries), 1)
        width, height, colours, _, planes, bits, size, image_id = entries[0]
        self.assertEqual((width, height, colours, planes, bits), (WIDTH, HEIGHT, 0, 1, 32))
        self.assertEqual(size, IMAGE_SIZE)
        self.assertEqual(size, 36392)
        self.assertEqual(image_id, 1)


class IconImage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        _, _, entries = group_entries(ctx.resources()[(RT_GROUP_ICON, IDI_APP, LANG_CHINESE_PRC)])
        cls.image_id = entries[0][7]
        cls.data = ctx.resources()[(RT_ICON, cls.image_id, LANG_CHINESE_PRC)]

    def test_only_in_chinese(self):
        self.assertEqual(languages_of(ctx.resources(), RT_ICON, self.image_id), [LANG_CHINESE_PRC])

    def test_size(self):
        self.assertEqual(len(self.data), IMAGE_SIZE)

    def test_header_counts_colour_and_mask_rows(self):
        size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", self.data)
        self.assertEqual((size, width, planes, bits, compression), (40, WIDTH, 1, 32, 0))
        self.assertEqual(height, 2 * HEIGHT, "an icon's DIB height counts the AND mask too")

    def alphas(self):
        return self.data[40 + 3:40 + WIDTH * HEIGHT * 4:4]

    def test_alpha_channel_is_used(self):
        alphas = set(self.alphas())
        self.assertIn(0, alphas, "transparent surroundings")
        self.assertIn(255, alphas, "opaque body")
        self.assertTrue(alphas - {0, 255}, "antialiased edges")

    def test_mask_is_set_exactly_where_the_image_is_transparent(self):
        alphas = self.alphas()
        mask = self.data[40 + WIDTH * HEIGHT * 4:]
        for row in range(HEIGHT):
            bits = mask[row * MASK_STRIDE:(row + 1) * MASK_STRIDE]
            for x in range(WIDTH):
                masked = bool(bits[x // 8] & (0x80 >> (x % 8)))
                if masked != (alphas[row * WIDTH + x] == 0):
                    self.fail(f"mask and alpha disagree at row {row} (bottom up), column {x}")
            self.assertEqual(bits[(WIDTH + 7) // 8:].strip(b"\0"), b"", "padding bits clear")


class IconSource(unittest.TestCase):
    def test_committed_icon_is_what_the_drawing_script_makes(self):
        res = Path(ctx.res_dir)
        with tempfile.TemporaryDirectory() as scratch:
            drawn = Path(scratch) / "ambrix.ico"
            subprocess.run([sys.executable, str(res.parent / "scripts" / "make_icon.py"), str(drawn)],
                           check=True, stdout=subprocess.DEVNULL)
            self.assertEqual(drawn.read_bytes(), (res / "ambrix.ico").read_bytes(),
                             "rerun scripts/make_icon.py after changing the drawing")


if __name__ == "__main__":
    unittest.main()
