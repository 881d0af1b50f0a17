"""The version block: a tree of nodes, each a length, a value length, a type
(1 text, 0 binary), a key and a value, children following on DWORD bounds."""

from dataclasses import dataclass, field

from binary_reader import BinaryReader


@dataclass
class VersionNode:
    key: str
    is_text: bool
    value: bytes
    children: list = field(default_factory=list)

    def text(self):
        return self.value.decode("utf-16-le").rstrip("\0")

    def child(self, key):
        matches = [c for c in self.children if c.key == key]
        if len(matches) != 1:
            raise KeyError(f"{len(matches)} children named {key!r} under {self.key!r}")
        return matches[0]


def parse_version_block(data):
    node, end = _parse_node(data, 0)
    if data[end:].strip(b"\0"):
        raise ValueError("data after the version block")
    return node


def _parse_node(data, start):
    reader = BinaryReader(data, start)
    length, value_length, kind = reader.u16(), reader.u16(), reader.u16()
    end = start + length
    key = reader.utf16z()
    reader.align4()
    # A text value's length counts UTF-16 units, a binary one bytes.
    value = reader.take(value_length * 2 if kind == 1 else value_length)
    node = VersionNode(key, kind == 1, value)
    reader.align4()
    while reader.offset < end:
        child, child_end = _parse_node(data, reader.offset)
        node.children.append(child)
        reader.offset = child_end
        reader.align4()
    return node, end
