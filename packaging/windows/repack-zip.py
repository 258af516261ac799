#!/usr/bin/env python3
"""Packs a .zip anew so that the same files always give the same bytes.

    repack-zip.py ZIP

CPack's .zip keeps what the build machine gave its files: their times (as
local time, so even the time zone shows), their owners and modes, and the
order its folder listing had. Packed anew, the members come in name order,
each dated SOURCE_DATE_EPOCH (or 1980-01-01, the first date a .zip can hold)
in UTC, with Unix modes rwxr-xr-x for folders and programs and rw-r--r-- for
every other file, without extra fields, deflated at level 9.
"""
import os
import sys
import time
import zipfile

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def main(path):
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "")
    if epoch and not epoch.isdigit():
        sys.exit(f"repack-zip: SOURCE_DATE_EPOCH is not a number of seconds: '{epoch}'")
    date = time.gmtime(max(int(epoch or 0), ZIP_EPOCH))[:6]
    partial = path + ".partial"
    with zipfile.ZipFile(path) as source, zipfile.ZipFile(partial, "w") as target:
        for member in sorted(source.infolist(), key=lambda m: m.filename):
            info = zipfile.ZipInfo(member.filename, date)
            info.create_system = 3  # Unix: the modes below are Unix modes
            if member.is_dir():
                info.external_attr = (0o40755 << 16) | 0x10  # and MS-DOS's folder bit
                target.writestr(info, b"")
                continue
            executable = (member.external_attr >> 16) & 0o111
            info.external_attr = (0o100755 if executable else 0o100644) << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            target.writestr(info, source.read(member), compresslevel=9)
    os.replace(partial, path)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: repack-zip.py ZIP")
    main(sys.argv[1])
