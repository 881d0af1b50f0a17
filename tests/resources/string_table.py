"""String resources: blocks of 16 counted UTF-16 strings, block n holding
the strings (n - 1) * 16 to n * 16 - 1."""

import struct

from pe_resources import RT_STRING


def string_resource(resources, string_id, language):
    """The string's text, or None when its block or the string is missing."""
    block = resources.get((RT_STRING, string_id // 16 + 1, language))
    if block is None:
        return None
    offset = 0
    for index in range(16):
        (length,) = struct.unpack_from("<H", block, offset)
        offset += 2
        if index == string_id % 16:
            return block[offset:offset + 2 * length].decode("utf-16-le") if length else None
        offset += 2 * length
    return None
