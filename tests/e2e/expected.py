"""The program's messages as the exact bytes that scripts read."""

USAGE_AFTER_NAME = (
    b" SourceInfFileName [OEMSourceMediaLocation OEMSourceMediaType] [CopyStyle]\r\n"
    b"\r\n"
    b"Refer to MSDN documentation:\r\n"
    b"  https://msdn.microsoft.com/en-us/library/aa376990(v=vs.85).aspx\r\n"
    b"\r\n"
    b"If OEMSourceMedia* are omitted, SPOST_NONE is implied.\r\n"
    b"If CopyStyle is omitted, SP_COPY_DELETESOURCE is implied.\r\n"
    b"For OEMSourceMediaType and CopyStyle, use symbol name, not integer value.\r\n"
    b"Program returns zero on success, one on error, two on usage error.\r\n"
    b"Results are output to standard out in the following format:\r\n"
    b"\tSetupCopyOEMInf: [return value (integer)]\r\n"
    b"\tGetLastError: [return value (integer) if SetupCopyOEMInf failed or just zero]\r\n"
    b"\tDestinationInfFileName: [parameter (string)]\r\n"
    b"\tDestinationInfFileNameComponent: [parameter (string)]\r\n"
    b"\r\n"
)


def usage(program: bytes) -> bytes:
    return b"Usage:\r\n" + program + USAGE_AFTER_NAME


def parse_error(text: bytes) -> bytes:
    return b"Parse error for: " + text + b"\r\n\r\n"


def report(result: int, last_error: int, destination: bytes, component: bytes) -> bytes:
    return (b"SetupCopyOEMInf: %d\r\nGetLastError: %d\r\n"
            b"DestinationInfFileName: %s\r\nDestinationInfFileNameComponent: %s\r\n\r\n"
            % (result, last_error, destination, component))


def utf8(text: str) -> bytes:
    """An argument as UTF-8, lone surrogates included."""
    return text.encode("utf-8", "surrogatepass")
