"""The resources of a PE file as a dictionary {(type, name, language): data}.

Types and names are ints when the file numbers them, strings when it names
them; the language is the 16-bit language id (2052 for Chinese, PRC).
"""

import pefile

RT_ICON = 3
RT_DIALOG = 5
RT_STRING = 6
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24
RT_DLGINIT = 240

LANG_CHINESE_PRC = 2052
LANG_ENGLISH_US = 1033


def _key(entry):
    return entry.id if entry.name is None else str(entry.name)


def read_resources(path):
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    found = {}
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return found
    for type_entry in root.entries:
        for name_entry in type_entry.directory.entries:
            for lang_entry in name_entry.directory.entries:
                where = lang_entry.data.struct
                found[(_key(type_entry), _key(name_entry), lang_entry.id)] = bytes(
                    pe.get_data(where.OffsetToData, where.Size))
    return found


def languages_of(resources, type_, name):
    return sorted(lang for (t, n, lang) in resources if (t, n) == (type_, name))
