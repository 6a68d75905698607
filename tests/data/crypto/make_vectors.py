#!/usr/bin/env python3
"""Known-answer vectors for the keys, keystreams and file formats.

Built without the C++ code: MD5 from hashlib, raw AES-128 blocks from
`openssl enc -aes-128-ecb -nopad`. Run from this folder; writes vectors.txt
(one "name hex" line per vector). The inputs are listed in the file too.
"""
import hashlib
import struct
import subprocess

def aes_ecb(key16, data):
    assert len(key16) == 16 and len(data) % 16 == 0
    if not data:
        return b""
    out = subprocess.run(
        ["openssl", "enc", "-aes-128-ecb", "-nopad", "-K", key16.hex()],
        input=data, capture_output=True, check=True).stdout
    assert len(out) == len(data)
    return out

def xor(a, b):
    return bytes(x ^ y for x, y in zip(a, b))

# --- password derivation -------------------------------------------------
SALT = b"3b9d0e72a5c14f86d2e7b01c9a4f6e38"

def pbkdf2(password_latin1, length):
    out = b""
    i = 1
    remaining = length
    while remaining > 0:
        work = SALT + struct.pack(">I", i)
        u = hashlib.md5(password_latin1).digest()
        t = hashlib.md5(work).digest()
        for _ in range(999):
            u = hashlib.md5(u).digest()
            t = xor(t, u)
        out += t
        remaining -= 16
        i += 1
    return out[:length]

# --- counter mode (128-bit big-endian increment) -------------------------
def ctr_stream(key16, counter16, nblocks):
    c = int.from_bytes(counter16, "big")
    blocks = b"".join(((c + k) % (1 << 128)).to_bytes(16, "big") for k in range(nblocks))
    return aes_ecb(key16, blocks)

def wrap(key, wrapkey):
    out = key
    for j in [7, 6, 5, 4, 3, 2, 1]:
        out = xor(out, ctr_stream(wrapkey[:16], wrapkey[16 * j:16 * j + 8] + bytes(8), 8))
    return xor(out, ctr_stream(wrapkey[:16], bytes(16), 8))

# --- block keystream of user files ---------------------------------------
BITS = {1: 128, 2: 256, 3: 512, 4: 1024}

def block_keystream(key, cipher, iv8, offset, length):
    """Keystream bytes for file offsets offset .. offset+length-1."""
    if length == 0:
        return b""
    q0, q1 = offset // 16, (offset + length - 1) // 16
    counters = b"".join(iv8 + (q % (1 << 64)).to_bytes(8, "big") for q in range(q0, q1 + 1))
    stream = aes_ecb(key[:16], counters)
    if cipher > 1:
        w = BITS[cipher] // 8 // 16 * 16 - 16
        wblock = key[w:w + 16]
        mixed = b"".join(xor(counters[k:k + 16], wblock) for k in range(0, len(counters), 16))
        stream = xor(stream, aes_ecb(key[:16], mixed))
    start = offset % 16
    return stream[start:start + length]

def block_keystream_from_counter(key, cipher, counter16, length):
    """Keystream from a raw counter block whose low 64 bits wrap."""
    iv8 = counter16[:8]
    q = int.from_bytes(counter16[8:], "big")
    counters = b"".join(iv8 + ((q + k) % (1 << 64)).to_bytes(8, "big")
                        for k in range((length + 15) // 16))
    stream = aes_ecb(key[:16], counters)
    if cipher > 1:
        w = BITS[cipher] // 8 // 16 * 16 - 16
        mixed = b"".join(xor(counters[k:k + 16], key[w:w + 16]) for k in range(0, len(counters), 16))
        stream = xor(stream, aes_ecb(key[:16], mixed))
    return stream[:length]

# --- data-file keystream -------------------------------------------------
def datafile_keystream(key, cipher, nonce8, pos, length):
    rounds = BITS[cipher] // 128
    dk = key[:BITS[cipher] // 8]
    q0, q1 = pos // 16, (pos + length - 1) // 16
    total = bytes((q1 - q0 + 1) * 16)
    for i in range(rounds):
        high = nonce8 if i == 0 else xor(nonce8, dk[16 * i:16 * i + 8])
        total = xor(total, ctr_stream(dk[:16], high + q0.to_bytes(8, "big"), q1 - q0 + 1))
    start = pos % 16
    return total[start:start + length]

# --- inputs ---------------------------------------------------------------
KEY = bytes((7 * i + 3) & 0xFF for i in range(128))
WRAPKEY = bytes((251 - 13 * i) & 0xFF for i in range(128))
IV8 = bytes.fromhex("f0e1d2c3b4a59687")
NONCE8 = bytes.fromhex("a1b2c3d4e5f60718")
PAYLOAD = bytes((11 * i + 5) & 0xFF for i in range(100))
BODY = bytes((5 * i + 1) & 0xFF for i in range(100))
CREATED = 1614834367  # 2021-03-04T05:06:07Z
NAME = "Résumé 2021.txt"
MAGIC = struct.pack("<I", 0xA1B4C3D2)

vectors = []
def add(name, data):
    vectors.append((name, data))

add("input_key", KEY)
add("input_wrapkey", WRAPKEY)
add("input_iv", IV8)
add("input_nonce", NONCE8)
add("input_payload", PAYLOAD)
add("input_body", BODY)
add("input_created", struct.pack(">I", CREATED))
add("input_name", NAME.encode("latin-1"))

add("pbkdf2_empty_128", pbkdf2(b"", 128))
add("pbkdf2_password_128", pbkdf2(b"correct horse battery staple", 128))
add("pbkdf2_latin1_128", pbkdf2("Grüße".encode("latin-1"), 128))
add("pbkdf2_question_128", pbkdf2(b"pass?", 128))
add("pbkdf2_password_20", pbkdf2(b"password", 20))

wrapped = wrap(KEY, WRAPKEY)
add("wrap_key_under_wrapkey", wrapped)
add("keychain_140", struct.pack(">III", 1, 0xFFFFFFFF, 128) + wrapped)

for c in (1, 2, 3, 4):
    for off in (0, 7):
        add("block_c%d_off%d_len100" % (c, off), block_keystream(KEY, c, IV8, off, 100))
    add("block_c%d_off81985529216486885_len40" % c,
        block_keystream(KEY, c, IV8, 0x0123456789ABCDE5, 40))
    add("ctr128_c%d_wrap_len40" % c,
        block_keystream_from_counter(KEY, c, IV8 + b"\xff" * 8, 40))
    for pos in (24, 31, 0):
        add("datafile_c%d_pos%d_len100" % (c, pos), datafile_keystream(KEY, c, NONCE8, pos, 100))

    # A whole data file with the payload above, version 1.
    header = MAGIC + struct.pack("<II", 1, c) + NONCE8
    add("datafile_full_c%d" % c, header
        + xor(MAGIC + PAYLOAD, datafile_keystream(KEY, c, NONCE8, 20, 4 + len(PAYLOAD))))

    # A whole user file: header and body.
    name = NAME.encode("latin-1")
    plain = bytearray(512)
    plain[0:8] = IV8
    plain[8] = 1
    plain[9] = c
    plain[10:14] = xor(struct.pack("<I", CREATED), block_keystream(KEY, c, IV8, 10, 4))
    plain[14:16] = struct.pack("<H", len(name))
    plain[16:16 + len(name)] = xor(name, block_keystream(KEY, c, IV8, 16, len(name)))
    add("userfile_full_c%d" % c, bytes(plain) + xor(BODY, block_keystream(KEY, c, IV8, 512, len(BODY))))

# encryptString: "TAV" + UTF-8 under counter passes from key bytes 16i..16i+7, then zero.
def string_passes(key, cipher, data):
    passes = BITS[cipher] // 128
    for i in range(passes - 1, 0, -1):
        data = xor(data, ctr_stream(key[:16], key[16 * i:16 * i + 8] + bytes(8), (len(data) + 15) // 16))
    return xor(data, ctr_stream(key[:16], bytes(16), (len(data) + 15) // 16))

for c in (1, 2, 3, 4):
    add("string_c%d_hello" % c, string_passes(KEY, c, b"TAV" + "h\u00e9llo".encode("utf-8")))

add("datafile_empty_c2", MAGIC + struct.pack("<II", 1, 2) + NONCE8
    + xor(MAGIC, datafile_keystream(KEY, 2, NONCE8, 20, 4)))

# Whole body files: the header above with the name and time, then a body of n
# bytes (31i + i/256) mod 256 under the block keystream. SHA-256 of the whole
# file and of the body from offset 512 on.
import hashlib as _h

def pattern(n):
    return bytes((31 * i + (i >> 8)) & 0xFF for i in range(n))

def user_header(c):
    name = NAME.encode("latin-1")
    plain = bytearray(512)
    plain[0:8] = IV8
    plain[8] = 1
    plain[9] = c
    plain[10:14] = xor(struct.pack("<I", CREATED), block_keystream(KEY, c, IV8, 10, 4))
    plain[14:16] = struct.pack("<H", len(name))
    plain[16:16 + len(name)] = xor(name, block_keystream(KEY, c, IV8, 16, len(name)))
    return bytes(plain)

for c in (1, 2, 3, 4):
    for n in (0, 1, 65535, 65536, 65537, 300000):
        body = xor(pattern(n), block_keystream(KEY, c, IV8, 512, n))
        add("wholefile_c%d_n%d_sha256" % (c, n), _h.sha256(user_header(c) + body).digest())
        add("wholebody_c%d_n%d_sha256" % (c, n), _h.sha256(body).digest())

with open("vectors.txt", "w") as f:
    f.write("# Generated by make_vectors.py (hashlib MD5, openssl enc -aes-128-ecb -nopad).\n")
    for name, data in vectors:
        f.write("%s %s\n" % (name, data.hex()))
