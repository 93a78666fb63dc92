"""Reads the built Windows program as a file and checks how it presents
itself to Windows: machine, subsystem, manifest, version record, imports.

Usage: check_image.py PROGRAM.exe EXPECTED_IMPORTS VERSION
Needs Debian's python3-pefile (run with /usr/bin/python3).
"""
import os
import sys
import unittest
import xml.etree.ElementTree as ElementTree

import pefile

PROGRAM, EXPECTED_IMPORTS, VERSION = sys.argv[1:4]
del sys.argv[1:4]

IMAGE_FILE_MACHINE_I386 = 0x14C
PE32_MAGIC = 0x10B
IMAGE_SUBSYSTEM_WINDOWS_CUI = 3
RT_VERSION = 16
RT_MANIFEST = 24
LANGUAGE_EN_US = 1033

ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"

IMAGE = pefile.PE(PROGRAM)


def resources(type_id):
    """(identifier, language, bytes) of every resource of one type."""
    found = []
    for type_entry in IMAGE.DIRECTORY_ENTRY_RESOURCE.entries:
        if type_entry.id != type_id:
            continue
        for name_entry in type_entry.directory.entries:
            for language_entry in name_entry.directory.entries:
                data = language_entry.data.struct
                found.append((name_entry.id, language_entry.id,
                              IMAGE.get_data(data.OffsetToData, data.Size)))
    return found


def version_words(text):
    major, minor, patch, tweak = (int(part) for part in text.split("."))
    return (major << 16) | minor, (patch << 16) | tweak


class Header(unittest.TestCase):
    def test_machine_and_format(self):
        self.assertEqual(IMAGE.FILE_HEADER.Machine, IMAGE_FILE_MACHINE_I386)
        self.assertEqual(IMAGE.OPTIONAL_HEADER.Magic, PE32_MAGIC)

    def test_console_subsystem_for_windows_5_1(self):
        header = IMAGE.OPTIONAL_HEADER
        self.assertEqual(header.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_CUI)
        self.assertEqual((header.MajorSubsystemVersion, header.MinorSubsystemVersion), (5, 1))
        self.assertEqual((header.MajorOperatingSystemVersion,
                          header.MinorOperatingSystemVersion), (5, 1))


class Hardening(unittest.TestCase):
    DYNAMIC_BASE = 0x0040
    NX_COMPAT = 0x0100
    TERMINAL_SERVER_AWARE = 0x8000
    IMAGE_SCN_MEM_EXECUTE = 0x20000000
    IMAGE_SCN_MEM_WRITE = 0x80000000

    def test_dll_characteristics(self):
        flags = IMAGE.OPTIONAL_HEADER.DllCharacteristics
        for flag in (self.DYNAMIC_BASE, self.NX_COMPAT, self.TERMINAL_SERVER_AWARE):
            self.assertEqual(flags & flag, flag, hex(flag))

    def test_relocations_present_so_the_image_can_move(self):
        self.assertFalse(IMAGE.FILE_HEADER.Characteristics & 0x0001)  # RELOCS_STRIPPED
        self.assertTrue(any(section.Name.rstrip(b"\0") == b".reloc" for section in IMAGE.sections))
        self.assertGreater(len(IMAGE.DIRECTORY_ENTRY_BASERELOC), 0)

    def test_no_section_is_writable_and_executable(self):
        both = self.IMAGE_SCN_MEM_EXECUTE | self.IMAGE_SCN_MEM_WRITE
        for section in IMAGE.sections:
            self.assertNotEqual(section.Characteristics & both, both, section.Name)

    def test_no_link_timestamp(self):
        self.assertEqual(IMAGE.FILE_HEADER.TimeDateStamp, 0)


class Manifest(unittest.TestCase):
    def setUp(self):
        manifests = resources(RT_MANIFEST)
        self.assertEqual([(ident, language) for ident, language, _ in manifests],
                         [(1, LANGUAGE_EN_US)])
        self.root = ElementTree.fromstring(manifests[0][2])

    def test_assembly_root(self):
        self.assertEqual(self.root.tag, "{%s}assembly" % ASM_V1)
        self.assertEqual(self.root.get("manifestVersion"), "1.0")

    def test_requests_administrator_rights_and_nothing_else(self):
        path = ["trustInfo", "security", "requestedPrivileges", "requestedExecutionLevel"]
        element = self.root
        for name in path:
            children = list(element)
            self.assertEqual([child.tag for child in children], ["{%s}%s" % (ASM_V3, name)])
            element = children[0]
        self.assertEqual(element.attrib, {"level": "requireAdministrator", "uiAccess": "false"})
        self.assertEqual(list(element), [])


class VersionRecord(unittest.TestCase):
    def test_one_record_in_us_english(self):
        self.assertEqual([(ident, language) for ident, language, _ in resources(RT_VERSION)],
                         [(1, LANGUAGE_EN_US)])

    def test_fixed_fields(self):
        fixed = IMAGE.VS_FIXEDFILEINFO[0]
        most, least = version_words(VERSION)
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (most, least))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (most, least))
        self.assertEqual(fixed.FileFlagsMask, 0x3F)
        self.assertEqual(fixed.FileFlags, 0)
        self.assertEqual(fixed.FileOS, 0x40004)
        self.assertEqual(fixed.FileType, 1)
        self.assertEqual(fixed.FileSubtype, 0)

    def test_string_block_and_translation(self):
        blocks = {entry.Key: entry for info in IMAGE.FileInfo for entry in info}
        self.assertEqual(set(blocks), {b"StringFileInfo", b"VarFileInfo"})
        tables = blocks[b"StringFileInfo"].StringTable
        self.assertEqual([table.LangID for table in tables], [b"040904b0"])
        strings = tables[0].entries
        self.assertEqual(set(strings), {
            b"CompanyName", b"FileDescription", b"FileVersion", b"InternalName",
            b"LegalCopyright", b"OriginalFilename", b"ProductName", b"ProductVersion"})
        self.assertEqual(strings[b"FileVersion"], VERSION.encode())
        self.assertEqual(strings[b"ProductVersion"], VERSION.encode())
        file_name = os.path.basename(PROGRAM).encode()
        self.assertEqual(strings[b"OriginalFilename"], file_name)
        self.assertEqual(strings[b"InternalName"], os.path.splitext(file_name)[0])
        for key in (b"CompanyName", b"FileDescription", b"LegalCopyright", b"ProductName"):
            self.assertNotEqual(strings[key], b"", key)
        self.assertEqual([var.entry for var in blocks[b"VarFileInfo"].Var],
                         [{b"Translation": "0x0409 0x04b0"}])


class Imports(unittest.TestCase):
    def imports(self):
        return {"%s!%s" % (dll.dll.decode(), symbol.name.decode())
                for dll in IMAGE.DIRECTORY_ENTRY_IMPORT for symbol in dll.imports}

    def test_only_the_reviewed_imports(self):
        with open(EXPECTED_IMPORTS, encoding="ascii") as listing:
            expected = {line.strip() for line in listing
                        if line.strip() and not line.startswith("#")}
        self.assertEqual(self.imports(), expected)

    def test_dlls(self):
        self.assertEqual({dll.dll.decode() for dll in IMAGE.DIRECTORY_ENTRY_IMPORT},
                         {"KERNEL32.dll", "msvcrt.dll", "SETUPAPI.dll"})

    def test_dll_search_functions_are_looked_up_not_imported(self):
        # A static import of SetDefaultDllDirectories would keep the program
        # from loading on Windows 5.1.
        names = {name.split("!")[1] for name in self.imports()}
        self.assertFalse(names & {"SetDefaultDllDirectories", "SetDllDirectoryW",
                                  "AddDllDirectory", "LoadLibraryExW"})

    def test_the_programs_own_calls(self):
        self.assertLessEqual({"SETUPAPI.dll!SetupCopyOEMInfW", "KERNEL32.dll!GetLastError"},
                             self.imports())


if __name__ == "__main__":
    unittest.main(verbosity=2)
