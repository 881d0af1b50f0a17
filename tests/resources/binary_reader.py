"""Little-endian reading of resource data, with the alignment rules of
dialog templates and version blocks (DWORD boundaries from the start)."""

import struct


class BinaryReader:
    def __init__(self, data, offset=0):
        self.data = data
        self.offset = offset

    def _unpack(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.offset)
        self.offset += struct.calcsize("<" + fmt)
        return values[0]

    def u8(self):
        return self._unpack("B")

    def u16(self):
        return self._unpack("H")

    def s16(self):
        return self._unpack("h")

    def u32(self):
        return self._unpack("I")

    def take(self, count):
        if self.offset + count > len(self.data):
            raise ValueError(f"{count} bytes wanted at {self.offset}, {len(self.data)} in all")
        chunk = self.data[self.offset:self.offset + count]
        self.offset += count
        return chunk

    def utf16z(self):
        """A zero-terminated UTF-16 string."""
        units = []
        while (unit := self.u16()) != 0:
            units.append(unit)
        return struct.pack(f"<{len(units)}H", *units).decode("utf-16-le")

    def utf16z_or_ordinal(self):
        """0xFFFF followed by a number, or a zero-terminated string."""
        if struct.unpack_from("<H", self.data, self.offset)[0] == 0xFFFF:
            self.offset += 2
            return self.u16()
        return self.utf16z()

    def align4(self):
        self.offset = (self.offset + 3) & ~3

    def at_end(self):
        return self.offset >= len(self.data)
