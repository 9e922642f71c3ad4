#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes small seed corpora for the fuzz targets: DIR/{jpeg,png,gif,bmp,webp,avif,jxl,skin,rar,7z,pdf}/, a handful
# of variants each. Needs ImageMagick's convert, cwebp/img2webp (webp), avifenc (libavif-bin) and cjxl
# (libjxl-tools), bsdtar (7z); the files are made here, never kept in the tree.
set -euo pipefail
D=${1:?usage: make-seeds.sh DIR}
mkdir -p "$D"/{jpeg,png,gif,bmp,webp,avif,jxl,skin,rar,7z,pdf}
src="$D/src.png"
convert -size 24x17 gradient:red-blue -fill white -draw "circle 8,8 12,12" "$src"

convert "$src" -quality 80 "$D/jpeg/baseline.jpg"
convert "$src" -quality 80 -interlace JPEG "$D/jpeg/progressive.jpg"
convert "$src" -colorspace Gray "$D/jpeg/grey.jpg"
convert "$src" -colorspace CMYK "$D/jpeg/cmyk.jpg"
convert "$src" -sampling-factor 1x1 -quality 95 "$D/jpeg/444.jpg"

convert "$src" PNG24:"$D/png/rgb.png"
convert "$src" -alpha set -channel A -evaluate set 50% +channel PNG32:"$D/png/rgba.png"
convert "$src" -colors 16 PNG8:"$D/png/palette.png"
convert "$src" -colorspace Gray -depth 2 "$D/png/grey2.png"
convert "$src" -depth 16 PNG48:"$D/png/rgb16.png"
convert "$src" -interlace PNG "$D/png/interlaced.png"
convert "$src" -colorspace Gray -alpha set PNG:"$D/png/greyalpha.png"

convert "$src" -colors 64 "$D/gif/plain.gif"
convert "$src" -colors 4 -interlace GIF "$D/gif/interlaced.gif"
convert "$src" -colors 8 -page 40x30+5+3 "$D/gif/offset.gif"

convert "$src" BMP3:"$D/bmp/rgb24.bmp"
convert "$src" -colors 16 -type Palette BMP3:"$D/bmp/pal4.bmp"
convert "$src" -colors 200 -type Palette BMP3:"$D/bmp/pal8.bmp"
convert "$src" -monochrome BMP3:"$D/bmp/mono.bmp"
convert "$src" -colors 200 -type Palette -compress RLE BMP3:"$D/bmp/rle8.bmp"
convert "$src" -colors 12 -type Palette -compress RLE BMP3:"$D/bmp/rle4.bmp"
convert "$src" -define bmp:subtype=RGB565 BMP:"$D/bmp/rgb565.bmp"
convert "$src" -alpha set BMP:"$D/bmp/v5argb.bmp"
convert "$src" BMP2:"$D/bmp/os2.bmp"
cwebp -quiet -q 60 "$src" -o "$D/webp/lossy.webp"
cwebp -quiet -lossless "$D/png/rgba.png" -o "$D/webp/lossless-alpha.webp"
img2webp -loop 0 "$D/png/rgb.png" "$D/png/palette.png" -o "$D/webp/animated.webp"
avifenc -s 10 "$D/png/rgb.png" "$D/avif/yuv420.avif" >/dev/null
avifenc -s 10 -d 10 -y 444 "$D/png/rgba.png" "$D/avif/alpha10.avif" >/dev/null
cjxl -d 1 "$D/png/rgb.png" "$D/jxl/lossy.jxl" >/dev/null 2>&1
cjxl -d 0 "$D/png/rgb16.png" "$D/jxl/lossless16.jxl" >/dev/null 2>&1
# PDFs: the picture as a scanned page (ImageMagick's policy may refuse PDF; then the hand-written ones
# serve), a page of text and vector art, and the same without its cross-reference table.
convert "$src" "$D/pdf/scan.pdf" 2>/dev/null || true
rm -f "$src"
content='BT /F1 12 Tf 10 20 Td (Page) Tj ET 1 0 0 rg 5 5 30 10 re f 0 0 1 RG 2 w 0 0 m 40 40 l S'
printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n%b%b\n%s\nendstream endobj\ntrailer<</Root 1 0 R>>\n%%%%EOF\n' \
  '3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 50 60]/Contents 4 0 R/Resources<</Font<</F1 5 0 R>>>>>>endobj\n' \
  "5 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>endobj\n4 0 obj<</Length ${#content}>>stream" "$content" \
  > "$D/pdf/vector.pdf"
head -c 200 "$D/pdf/vector.pdf" > "$D/pdf/cut.pdf"

# Layout files: every keyword, edge-relative values, a missing EOD, a table overflow.
printf 'INIT:2|2|1|1|\nSIZE:-16|-16|-1|-1|EOD\nMOVE:0|0|-1|20|EOD\nBMP:1|20|-1|-20|EOD\n%s\n%s\n%s\n%s\n%s\n%s\n' \
  'REGION:0|0|-1|-1|0|0|8|8|0|EOD' 'REGION:-20|5|-5|-5|3|3|4|4|1|EOD' 'BUTTON:10|-18|16|16|0|0|open|EOD' \
  'BUTTON:-30|2|16|16|16|0|close|EOD' 'SLIDER:40|-15|30|10|0|20|0|5|zoom|EOD' 'TEXT:5|3|-40|6|8|0|0|main|EOD' \
  > "$D/skin/full.cor"
printf 'init:1|0|0|1\r\nregion:0|0|120|60|0|0|50|50|0|eod\r\n# comment\r\ntext:1|1|-1|0|8|0|0|main\r\n' > "$D/skin/crlf.cor"
printf 'INIT:0|1|0|0|\nBUTTON:1|1|1|1|1|1|back|EOD\nBUTTON:2147483647|-2147483648|99999999999|-1|0|0|back\n' \
  > "$D/skin/overflow.cor"
# rar: the two signatures followed by a file header each (RAR 4: fixed fields; RAR 5: variable numbers).
printf 'Rar!\x1a\x07\x00\x00\x00\x74\x00\x80\x30\x00\x05\x00\x00\x00\x05\x00\x00\x00\x00\x11\x22\x33\x44\x00\x00\x00\x00\x14\x30\x05\x00\x20\x00\x00\x00p1.jpgHELLO' > "$D/rar/rar4"
printf 'Rar!\x1a\x07\x01\x00\x00\x00\x00\x00\x0b\x02\x02\x05\x00\x05\x80\x00\x00\x06p1.jpgHELLO' > "$D/rar/rar5"
# 7z, written by bsdtar: one solid folder (the header packed with LZMA), and stored data with a folder entry.
pages=$(mktemp -d)
mkdir "$pages/B"
printf 'first page' > "$pages/B/p1.jpg"
printf 'second page, a little longer' > "$pages/B/p2.jpg"
: > "$pages/B/empty.txt"
(cd "$pages" && bsdtar --format 7zip -cf "$D/7z/solid.7z" B)
(cd "$pages" && bsdtar --format 7zip --options 7zip:compression=store -cf "$D/7z/stored.7z" B)
rm -rf "$pages"
