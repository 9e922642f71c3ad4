#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# make-scan-pdf.py OUT.pdf PAGE.jpg...: a scanned book, each JPEG as it is (DCTDecode) over a whole
# page of 300 pixels per inch, the way scanner software exports one.
import struct, sys


def jpeg_size(data):
    i = 2
    while i < len(data):
        if data[i] != 0xFF: i += 1; continue
        marker = data[i + 1]
        if marker in (0xC0, 0xC1, 0xC2):
            h, w = struct.unpack('>HH', data[i + 5:i + 9])
            return w, h
        length = struct.unpack('>H', data[i + 2:i + 4])[0]
        i += 2 + length
    raise ValueError('no SOF')

out, jpegs = sys.argv[1], sys.argv[2:]
objs = []
def add(b): objs.append(b); return len(objs)
pages_id = add(None)
kids = []
for path in jpegs:
    data = open(path, 'rb').read()
    w, h = jpeg_size(data)
    pw, ph = w * 72 / 300, h * 72 / 300
    img = add(b'<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode /Length %d >>\nstream\n' % (w, h, len(data)) + data + b'\nendstream')
    content = b'q %.2f 0 0 %.2f 0 0 cm /Im0 Do Q' % (pw, ph)
    cs = add(b'<< /Length %d >>\nstream\n' % len(content) + content + b'\nendstream')
    kids.append(add(b'<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %.2f %.2f] /Resources << /XObject << /Im0 %d 0 R >> >> /Contents %d 0 R >>' % (pages_id, pw, ph, img, cs)))
objs[pages_id - 1] = b'<< /Type /Pages /Count %d /Kids [%s] >>' % (len(kids), b' '.join(b'%d 0 R' % k for k in kids))
root = add(b'<< /Type /Catalog /Pages %d 0 R >>' % pages_id)
buf = bytearray(b'%PDF-1.4\n')
offsets = []
for n, o in enumerate(objs, 1):
    offsets.append(len(buf))
    buf += b'%d 0 obj\n' % n + o + b'\nendobj\n'
xref = len(buf)
buf += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objs) + 1)
for off in offsets: buf += b'%010d 00000 n \n' % off
buf += b'trailer\n<< /Size %d /Root %d 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objs) + 1, root, xref)
open(out, 'wb').write(buf)
