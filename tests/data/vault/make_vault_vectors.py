#!/usr/bin/env python3
"""Known-answer bytes of the vault files, built from the record tables alone.

Qt data stream version 15 forms written with struct; the data-file keystream
from raw AES-128 blocks of `openssl enc -aes-128-ecb -nopad`. Run from this
folder; writes vectors.txt (one "name hex" line per vector) and the seed
corpora of the fuzz targets.
"""
import datetime
import os
import struct
import subprocess
import uuid

def aes_ecb(key16, data):
    if not data:
        return b""
    out = subprocess.run(
        ["openssl", "enc", "-aes-128-ecb", "-nopad", "-K", key16.hex()],
        input=data, capture_output=True, check=True).stdout
    assert len(out) == len(data)
    return out

def xor(a, b):
    return bytes(x ^ y for x, y in zip(a, b))

BITS = {1: 128, 2: 256, 3: 512, 4: 1024}

def datafile_keystream(key, cipher, nonce8, pos, length):
    """Byte p is XORed, once per pass, with byte p % 16 of AES(counter of block p // 16)."""
    dk = key[:BITS[cipher] // 8]
    q0, q1 = pos // 16, (pos + length - 1) // 16
    total = bytes((q1 - q0 + 1) * 16)
    for i in range(BITS[cipher] // 128):
        high = nonce8 if i == 0 else xor(nonce8, dk[16 * i:16 * i + 8])
        counters = b"".join(high + q.to_bytes(8, "big") for q in range(q0, q1 + 1))
        total = xor(total, aes_ecb(dk[:16], counters))
    start = pos % 16
    return total[start:start + length]

MAGIC = struct.pack("<I", 0xA1B4C3D2)

def datafile(key, cipher, nonce8, payload, version=1):
    header = MAGIC + struct.pack("<II", version, cipher) + nonce8
    return header + xor(MAGIC + payload, datafile_keystream(key, cipher, nonce8, 20, 4 + len(payload)))

# --- data stream version 15 forms ----------------------------------------
def i32(v):
    return struct.pack(">i", v)

def u32(v):
    return struct.pack(">I", v)

def i64(v):
    return struct.pack(">q", v)

def qstring(s):
    if s is None:
        return b"\xff\xff\xff\xff"
    data = s.encode("utf-16-be")
    return u32(len(data)) + data

def qbytearray(b):
    return u32(len(b)) + b

def quuid(text):
    return uuid.UUID(text).bytes  # RFC 4122 order

def qdatetime_local(y, mo, d, h, mi, s, ms):
    julian = datetime.date(y, mo, d).toordinal() + 1721425
    return i64(julian) + u32(((h * 60 + mi) * 60 + s) * 1000 + ms) + b"\x00"

# --- inputs ---------------------------------------------------------------
VAULT_KEY = bytes((7 * i + 3) & 0xFF for i in range(128))
MASTER_KEY = bytes((251 - 13 * i) & 0xFF for i in range(128))
NONCE8 = bytes.fromhex("a1b2c3d4e5f60718")

VAULT_ID = "{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}"
FOLDER_ID = "{00112233-4455-6677-8899-aabbccddeeff}"
FILE_ID = "{10213243-5465-7687-98a9-bacbdcedfe0f}"
TOP_FILE_ID = "{fedcba98-7654-3210-0123-456789abcdef}"

VAULT_CREATED = qdatetime_local(2021, 3, 4, 5, 6, 7, 890)
VAULT_MODIFIED = qdatetime_local(2021, 3, 5, 6, 7, 8, 9)
FOLDER_CREATED = qdatetime_local(2020, 1, 2, 3, 4, 5, 6)
FOLDER_MODIFIED = qdatetime_local(2020, 12, 31, 23, 59, 59, 999)
FILE_CREATED = qdatetime_local(2019, 7, 8, 9, 10, 11, 12)
FILE_MODIFIED = qdatetime_local(2019, 7, 9, 0, 0, 0, 0)
TOP_CREATED = qdatetime_local(2018, 2, 28, 12, 0, 0, 500)
TOP_MODIFIED = qdatetime_local(2018, 3, 1, 12, 0, 0, 501)

def record(class_id, parent, name, item_id, original, current, created, modified):
    return (i32(class_id) + qstring(parent) + qstring(name) + quuid(item_id)
            + i64(original) + i64(current) + created + modified)

# Vault "MyVault" (type 3, local disk): folder Letters holding a.txt, then
# Résumé.txt at the top. A folder's sizes are the sums of its children's.
index_payload = (
    i32(3) + qstring("MyVault") + VAULT_CREATED + VAULT_MODIFIED
    + record(2, "MyVault", "Letters", FOLDER_ID, 1234, 1746, FOLDER_CREATED, FOLDER_MODIFIED)
    + record(1, "MyVault/Letters", "a.txt", FILE_ID, 1234, 1746, FILE_CREATED, FILE_MODIFIED)
    + record(1, "MyVault", "Résumé.txt", TOP_FILE_ID, 0, 512, TOP_CREATED, TOP_MODIFIED))

version_file = i32(1) + quuid(VAULT_ID) + i32(3) + i32(2) + qstring("MyVault")

# Vault list: a flash-drive vault, a local one, a network one and one of
# undefined type (null location and path).
ENTRY_KEYS = [bytes((i * m + a) & 0xFF for i in range(128)) for m, a in ((3, 1), (5, 2), (11, 7), (13, 9))]
entries = [
    ("{11111111-2222-3333-4444-555555555555}", "4C530001", "Stick Vault", "Vaults/Stick Vault", 2, ENTRY_KEYS[0], 2),
    ("{21111111-2222-3333-4444-555555555555}", "studio", "Local", "/home/user/Local", 3, ENTRY_KEYS[1], 1),
    ("{31111111-2222-3333-4444-555555555555}", "", "Net", "//server/share/v", 4, ENTRY_KEYS[2], 4),
    ("{41111111-2222-3333-4444-555555555555}", None, "Lost", None, 0, ENTRY_KEYS[3], 3),
]
def entry_bytes(e):
    eid, location, name, path, vtype, key, cipher = e
    return quuid(eid) + qstring(location) + qstring(name) + qstring(path) + i32(vtype) + qbytearray(key) + i32(cipher)
list_payload = i32(len(entries)) + b"".join(entry_bytes(e) for e in entries)
empty_list_payload = i32(0)

vectors = [
    ("input_vault_key", VAULT_KEY),
    ("input_master_key", MASTER_KEY),
    ("input_nonce", NONCE8),
    ("version_file", version_file),
    ("index_payload", index_payload),
    ("index_file_c2", datafile(VAULT_KEY, 2, NONCE8, index_payload)),
    ("index_file_c4", datafile(VAULT_KEY, 4, NONCE8, index_payload)),
    ("list_payload", list_payload),
    ("list_file", datafile(MASTER_KEY, 2, NONCE8, list_payload)),
    ("empty_list_file", datafile(MASTER_KEY, 2, NONCE8, empty_list_payload)),
]
for n, (eid, location, name, path, vtype, key, cipher) in enumerate(entries):
    vectors.append(("list_entry%d_key" % n, key))

with open("vectors.txt", "w") as f:
    f.write("# Generated by make_vault_vectors.py (struct, openssl enc -aes-128-ecb -nopad).\n")
    for name, data in vectors:
        f.write("%s %s\n" % (name, data.hex()))

# Seeds of the fuzz targets: the payloads in plain (the targets encipher them).
corpus = os.path.join("..", "..", "..", "fuzz", "corpus")
seeds = {
    "vaultindex": {"index.bin": index_payload,
                   "header_only.bin": i32(3) + qstring("MyVault") + VAULT_CREATED + VAULT_MODIFIED},
    "vaultversion": {"version.bin": version_file},
    "vaultlist": {"list.bin": list_payload, "empty.bin": empty_list_payload},
}
for target, files in seeds.items():
    folder = os.path.join(corpus, target)
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
