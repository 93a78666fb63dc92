"""End-to-end cases for the Windows program under Wine, against Wine's own
SetupCopyOEMInfW. Exact stdout bytes and exit codes.

Runs in the Wine prefix that WINEPREFIX names, which must be fresh: the
staging cases depend on what the prefix's INF store already holds.

Where Wine differs from Windows the expected values are Wine's, marked
"Wine:" below. Windows names a staged INF oem<N>.inf; Wine keeps the source's
file name. Windows accepts a relative INF path; Wine fails it with 2.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

from expected import parse_error, report, usage, utf8

PROGRAM = os.path.abspath(sys.argv.pop(1))
EXAMPLE_INF = os.path.join(os.path.dirname(__file__), "..", "..", "examples", "example.inf")

ERROR_FILE_NOT_FOUND = 2
ERROR_PATH_NOT_FOUND = 3
ERROR_FILE_EXISTS = 80


def dos_path(unix_path):
    """The Z:\\ path under which Wine shows a Unix path."""
    return subprocess.run(["winepath", "-w", unix_path], check=True,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL
                          ).stdout.rstrip(b"\r\n")


def run(arguments):
    return subprocess.run(["wine", PROGRAM] + arguments, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)


USAGE = usage(dos_path(PROGRAM))
LONG = "x" * 32000
NOT_FOUND = report(0, ERROR_FILE_NOT_FOUND, b"", b"")

# (description, user arguments as text, expected stdout, exit code)
COMMAND_LINE_CASES = [
    ("no user argument", [], USAGE, 2),
    ("five user arguments, all valid",
     ["a.inf", "D:\\m", "SPOST_PATH", "SP_COPY_NOOVERWRITE", "SP_COPY_NOOVERWRITE"], USAGE, 2),
    ("media type alone is read as a copy style",
     ["a.inf", "SPOST_PATH"], parse_error(b"SPOST_PATH") + USAGE, 2),
    ("copy style as a number", ["a.inf", "8"], parse_error(b"8") + USAGE, 2),
    ("copy style in lower case",
     ["a.inf", "sp_copy_nooverwrite"], parse_error(b"sp_copy_nooverwrite") + USAGE, 2),
    ("empty copy style", ["a.inf", ""], parse_error(b"") + USAGE, 2),
    ("bad media type and bad copy style: one parse error",
     ["a.inf", "D:\\m", "PATH", "8"], parse_error(b"PATH") + USAGE, 2),
    ("argument near the command-line limit",
     ["a.inf", LONG], parse_error(LONG.encode()) + USAGE, 2),
    ("latin-1 letters are single bytes", ["a.inf", "caf\u00e9"], parse_error(b"caf\xe9") + USAGE, 2),
    ("beyond latin-1", ["a.inf", "\u4e2d\u20ac"], parse_error(b"??") + USAGE, 2),
    ("beyond the BMP: one ? per code unit", ["a.inf", "\U0001F600"], parse_error(b"??") + USAGE, 2),
    # Lone surrogates cannot reach a Windows program from a Unix command
    # line; the unit tests, which also run under Wine, cover them.
    ("control characters", ["a.inf", "\x01\t\x1b"], parse_error(b"\x01\t\x1b") + USAGE, 2),
    ("embedded line feed", ["a.inf", "a\nb"], parse_error(b"a\r\nb") + USAGE, 2),
    # Wine: relative paths fail with 2.
    ("help switch is an INF path", ["/?"], NOT_FOUND, 1),
    ("empty INF path", [""], NOT_FOUND, 1),
    ("UNC path to no server", ["\\\\server\\share\\a.inf"],
     report(0, ERROR_PATH_NOT_FOUND, b"", b""), 1),
]


class CommandLine(unittest.TestCase):
    def test_cases(self):
        for description, arguments, expected, exit_code in COMMAND_LINE_CASES:
            with self.subTest(description):
                result = run([utf8(argument) for argument in arguments])
                self.assertEqual(result.stdout, expected)
                self.assertEqual(result.returncode, exit_code)


class Staging(unittest.TestCase):
    """The real call, in order: each step sees what the last one staged."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="stage-")
        self.inf_store = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "inf")

    def tearDown(self):
        shutil.rmtree(self.folder)

    def stage_copy(self, name, extra=b""):
        path = os.path.join(self.folder, name)
        with open(EXAMPLE_INF, "rb") as source, open(path, "wb") as target:
            target.write(source.read() + extra)
        return path

    def test_staging_sequence(self):
        first = self.stage_copy("example.inf")
        with self.subTest("default copy style stages the INF and deletes the source"):
            result = run([dos_path(first)])
            self.assertEqual(result.stdout, report(
                1, 0, b"C:\\windows\\inf\\example.inf", b"example.inf"))
            self.assertEqual(result.returncode, 0)
            self.assertFalse(os.path.exists(first))
            with open(os.path.join(self.inf_store, "example.inf"), "rb") as staged, \
                    open(EXAMPLE_INF, "rb") as original:
                self.assertEqual(staged.read(), original.read())

        again = self.stage_copy("again.inf")
        with self.subTest("the same INF with SP_COPY_NOOVERWRITE names the existing copy"):
            result = run([dos_path(again), b"SP_COPY_NOOVERWRITE"])
            self.assertEqual(result.stdout, report(
                0, ERROR_FILE_EXISTS, b"C:\\windows\\inf\\example.inf", b"example.inf"))
            self.assertEqual(result.returncode, 1)
            self.assertTrue(os.path.exists(again))

        with self.subTest("a missing file"):
            result = run([dos_path(first)])
            self.assertEqual(result.stdout, NOT_FOUND)
            self.assertEqual(result.returncode, 1)

        other = self.stage_copy("media.inf", b"; staged from media\r\n")
        with self.subTest("media location form"):
            result = run([dos_path(other), dos_path(self.folder), b"SPOST_PATH"])
            self.assertEqual(result.stdout, report(
                1, 0, b"C:\\windows\\inf\\media.inf", b"media.inf"))
            self.assertEqual(result.returncode, 0)
            self.assertFalse(os.path.exists(other))


if __name__ == "__main__":
    unittest.main(verbosity=2)
