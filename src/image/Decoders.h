// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decoders behind the image layer, one per format. Each reads a whole file held in memory and
// writes the picture into the canvas. True when there is a picture to show: for a file cut short
// that can be the decoded part above a filled rest.

#include "image/PixelCanvas.h"

#include <cstdint>
#include <span>

bool DecodeJpeg(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodePng(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodeGif(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodeBmp(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodeWebp(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodeAvif(std::span<const std::uint8_t> file, PixelCanvas& canvas);
bool DecodeJxl(std::span<const std::uint8_t> file, PixelCanvas& canvas);
