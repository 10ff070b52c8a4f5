// Decoding images into Bitmaps. This header includes no Qt.
#pragma once

#include <string>

#include "platform/bitmap.h"

// A program resource, ":/bitmaps/<id>.bmp" in the compiled resources; nothing when absent.
BitmapPtr LoadBitmapResource(int id);

// A BMP, PNG or JPEG file at a stored (Windows-1252) path; nothing when the file is missing,
// not an image, truncated or claims a size beyond what a logo can sensibly be (no huge
// allocation is ever made).
BitmapPtr LoadBitmapFromFile(const std::string& path);
