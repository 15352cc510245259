#!/usr/bin/env python3
"""Writes the seed inputs of the fuzzers (fuzz/seeds/): valid store files of
each kind, so that exploration starts from files that pass the checksum."""
import hashlib
import os
import re
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
salt_header = open(os.path.join(HERE, "..", "engine", "checksum_salt.h")).read()
SOURCE = re.search(r'kChecksumSaltSource = "([A-Z0-9]{37})"', salt_header).group(1)
SALT = (SOURCE[27:33] + SOURCE[0:30]).encode()


def string(text):
    data = text.encode("utf-16-le")
    return struct.pack("<I", len(data)) + data


def store(magic, chunks):
    out, hashed = magic, b""
    for tag, data in chunks:
        out += tag + struct.pack("<I", len(data)) + data
        hashed += data
    return out + b"CKSM" + struct.pack("<I", 16) + hashlib.md5(SALT + hashed).digest()


def entry(key, values):
    return string(key) + struct.pack("<i", len(values)) + b"".join(string(v) for v in values)


def details(first, last, email, country, opt_in, marker=False):
    head = struct.pack("<i", 10092004) if marker else b""
    return head + string(first) + string(last) + string(email) + struct.pack("<i", country) + bytes([opt_in])


seeds = {
    "store_file": {
        "empty_data": store(b"ZDF2", []),
        "data": store(b"ZDF2", [(b"ZDT2", entry("A", ["x", "y"])), (b"ZDT2", entry("RECENT", ["a.prj"])),
                                (b"ZDT2", entry("NONE", []))]),
        "profile": store(b"ZVU2", [(b"USR2", details("Ann", "Lee", "a@b.c", 76, 1)), (b"USR3", string("m7"))]),
        "profile_marker": store(b"ZVU2", [(b"USR2", details("Ann", "", "", 0, 0, marker=True))]),
        "marker": store(b"ZFIX", []),
    },
    "dispatch": {
        "adddata": "ADDDATA\0datakey=\"Recent\",datastring=\"a.prj\"".encode("utf-16-le"),
        "getdata": "getdata\0datakey=recent".encode("utf-16-le"),
        "updateuser": "UPDATEUSER\0first=Ann,COUNTRY=76,optin=1,memberid=m".encode("utf-16-le"),
        "getvalue": "GETVALUE\0valname=URGN".encode("utf-16-le"),
        "deluser": "DELUSER\0".encode("utf-16-le"),
        "rebuild": "REBUILD\0".encode("utf-16-le"),
        "link": "LINK\0url=support,lang=de".encode("utf-16-le"),
    },
    "parameters": {
        "pairs": 'firstname="Ann",lastname=Lee,lang=de,url="support"'.encode("utf-16-le"),
        "aliases": 'pid=1,prod=2,LANGUE_ID=fr,first=a,"q"=x,a=b=c'.encode("utf-16-le"),
    },
}
for fuzzer, files in seeds.items():
    folder = os.path.join(HERE, "seeds", fuzzer)
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
