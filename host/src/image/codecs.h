// The format decoders and encoders behind image_file.h. Decoders give the
// reason of a failure without the file's name; decodeImage adds it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/file_mapping.h"
#include "image/image_file.h"

namespace host {

ImageResult decodeTiff(std::span<const uint8_t> bytes, const DecodeLimits &limits);
ImageResult decodePng(std::span<const uint8_t> bytes, const DecodeLimits &limits);
ImageResult decodePnm(std::span<const uint8_t> bytes, const DecodeLimits &limits);

// Decoders reading an open file as they go, never holding all of it: TIFF
// pixels laid out as the image keeps them are mapped, not read (see
// file_mapping.h); PNG is read a piece at a time.
ImageResult readTiffFile(const std::shared_ptr<const OpenFile> &file, const DecodeLimits &limits);
ImageResult readPngFile(const std::shared_ptr<const OpenFile> &file, const DecodeLimits &limits);

// Encoders give the whole file in bytes, or the reason of a failure without
// the file's name; saveImage adds it and writes the bytes.
Status encodeTiff(const Image &image, std::string &bytes);
Status encodePng(const Image &image, std::string &bytes);
Status encodePnm(const Image &image, std::string &bytes);

// Metres in one unit of length ("m", "cm", "mm", "um", "nm", "inch"); none for
// other texts, which the resolution fields of files cannot express.
std::optional<double> metresPerUnit(const std::string &unit);

}  // namespace host
