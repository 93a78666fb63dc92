"""End-to-end cases for the native program: exact stdout bytes and exit codes.

The native program's stand-in for SetupCopyOEMInfW always fails with 120,
so every well-formed command line reports that failure and exits with 1.
"""
import os
import subprocess
import sys
import tempfile
import unittest

from expected import parse_error, report, usage, utf8

PROGRAM = os.fsencode(sys.argv.pop(1))
USAGE = usage(PROGRAM)
NOT_AVAILABLE = report(0, 120, b"", b"")

LONG = "x" * 32000

# (description, user arguments as text, expected stdout, exit code)
CASES = [
    ("no user argument", [], USAGE, 2),
    ("five user arguments, all valid",
     ["a.inf", "D:\\m", "SPOST_PATH", "SP_COPY_NOOVERWRITE", "SP_COPY_NOOVERWRITE"], USAGE, 2),
    ("INF path alone", ["a.inf"], NOT_AVAILABLE, 1),
    ("help switch is an INF path", ["/?"], NOT_AVAILABLE, 1),
    ("copy style", ["a.inf", "SP_COPY_NOOVERWRITE"], NOT_AVAILABLE, 1),
    ("media location form", ["a.inf", "D:\\media", "SPOST_PATH"], NOT_AVAILABLE, 1),
    ("every argument", ["a.inf", "D:\\m", "SPOST_URL", "SP_COPY_OEMINF_CATALOG_ONLY"], NOT_AVAILABLE, 1),
    ("empty INF path", [""], NOT_AVAILABLE, 1),
    ("extended-length path", ["\\\\?\\C:\\drivers\\a.inf"], NOT_AVAILABLE, 1),
    ("UNC path", ["\\\\server\\share\\a.inf", "SP_COPY_NOOVERWRITE"], NOT_AVAILABLE, 1),
    ("media type alone is read as a copy style",
     ["a.inf", "SPOST_PATH"], parse_error(b"SPOST_PATH") + USAGE, 2),
    ("copy style as a number", ["a.inf", "8"], parse_error(b"8") + USAGE, 2),
    ("copy style in lower case",
     ["a.inf", "sp_copy_nooverwrite"], parse_error(b"sp_copy_nooverwrite") + USAGE, 2),
    ("flags cannot be combined",
     ["a.inf", "SP_COPY_DELETESOURCE|SP_COPY_NOOVERWRITE"],
     parse_error(b"SP_COPY_DELETESOURCE|SP_COPY_NOOVERWRITE") + USAGE, 2),
    ("empty copy style", ["a.inf", ""], parse_error(b"") + USAGE, 2),
    ("empty media type", ["a.inf", "D:\\m", ""], parse_error(b"") + USAGE, 2),
    ("bad media type and bad copy style: one parse error",
     ["a.inf", "D:\\m", "PATH", "8"], parse_error(b"PATH") + USAGE, 2),
    ("good media type, bad copy style",
     ["a.inf", "D:\\m", "SPOST_NONE", "x"], parse_error(b"x") + USAGE, 2),
    ("argument near the command-line limit",
     ["a.inf", LONG], parse_error(LONG.encode()) + USAGE, 2),
    ("latin-1 letters are single bytes", ["a.inf", "caf\u00e9"], parse_error(b"caf\xe9") + USAGE, 2),
    ("beyond latin-1", ["a.inf", "\u4e2d\u20ac"], parse_error(b"??") + USAGE, 2),
    ("beyond the BMP: one ? per code unit", ["a.inf", "\U0001F600"], parse_error(b"??") + USAGE, 2),
    ("unpaired high surrogate", ["a.inf", "a\ud800b"], parse_error(b"a?b") + USAGE, 2),
    ("unpaired low surrogate", ["a.inf", "\udc00"], parse_error(b"?") + USAGE, 2),
    ("control characters", ["a.inf", "\x01\t\x1b"], parse_error(b"\x01\t\x1b") + USAGE, 2),
    ("embedded line feed", ["a.inf", "a\nb"], parse_error(b"a\r\nb") + USAGE, 2),
    ("embedded carriage return and line feed", ["a.inf", "a\r\nb"], parse_error(b"a\r\r\nb") + USAGE, 2),
]


def run(arguments):
    return subprocess.run([PROGRAM] + arguments, stdin=subprocess.DEVNULL,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)


class NativeProgram(unittest.TestCase):
    def test_cases(self):
        for description, arguments, expected, exit_code in CASES:
            with self.subTest(description):
                result = run([utf8(argument) for argument in arguments])
                self.assertEqual(result.stdout, expected)
                self.assertEqual(result.stderr, b"")
                self.assertEqual(result.returncode, exit_code)

    def test_bytes_that_are_not_utf8_each_print_as_one_question_mark(self):
        result = run([b"a.inf", b"ab\xff\xc3(\xe4\xb8"])
        self.assertEqual(result.stdout, parse_error(b"ab??(??") + USAGE)
        self.assertEqual(result.returncode, 2)

    def test_output_to_a_file_is_complete(self):
        with tempfile.TemporaryFile() as output:
            result = subprocess.run([PROGRAM, b"a.inf", b"8"], stdout=output, check=False)
            output.seek(0)
            self.assertEqual(output.read(), parse_error(b"8") + USAGE)
            self.assertEqual(result.returncode, 2)


if __name__ == "__main__":
    unittest.main(verbosity=2)
