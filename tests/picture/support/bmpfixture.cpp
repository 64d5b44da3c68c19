#include "support/bmpfixture.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace quorvel::testing_support {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

} // namespace

std::vector<std::uint8_t> BmpFixture::Bytes() const {
    std::vector<std::uint8_t> info;
    const std::size_t entrySize = infoSize == 12 ? 3 : 4;
    if (infoSize == 12) {
        Put16(info, static_cast<std::uint32_t>(width));
        Put16(info, static_cast<std::uint32_t>(height));
        Put16(info, planes);
        Put16(info, bitsPerPixel);
    } else {
        Put32(info, static_cast<std::uint32_t>(width));
        Put32(info, static_cast<std::uint32_t>(height));
        Put16(info, planes);
        Put16(info, bitsPerPixel);
        Put32(info, compression);
        Put32(info, imageSize);
        Put32(info, 2835); // 72 dpi
        Put32(info, 2835);
        Put32(info, colourCount);
        Put32(info, 0);
        if (infoSize >= 52) {
            for (std::uint32_t mask : masks) {
                Put32(info, mask);
            }
        }
    }
    info.resize(infoSize < 4 ? 0 : infoSize - 4, 0);
    const bool masksAfter = infoSize == 40;

    std::uint32_t offset = static_cast<std::uint32_t>(
        14 + infoSize + (masksAfter ? 4 * masks.size() : 0) + entrySize * table.size() + gap);
    std::vector<std::uint8_t> out(magic.begin(), magic.end());
    Put32(out, static_cast<std::uint32_t>(offset + pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, infoSize);
    out.insert(out.end(), info.begin(), info.end());
    if (masksAfter) {
        for (std::uint32_t mask : masks) {
            Put32(out, mask);
        }
    }
    for (std::uint32_t entry : table) {
        out.push_back(static_cast<std::uint8_t>(entry));
        out.push_back(static_cast<std::uint8_t>(entry >> 8));
        out.push_back(static_cast<std::uint8_t>(entry >> 16));
        if (entrySize == 4) {
            out.push_back(0);
        }
    }
    out.resize(out.size() + gap, 0xA5);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<std::uint8_t>
PackRows(int bitsPerPixel, const std::vector<std::vector<std::uint32_t>>& rows, bool topDown) {
    std::vector<std::uint8_t> out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[topDown ? r : rows.size() - 1 - r];
        std::vector<std::uint8_t> bytes(
            (row.size() * static_cast<std::size_t>(bitsPerPixel) + 31) / 32 * 4, 0);
        for (std::size_t x = 0; x < row.size(); ++x) {
            std::uint32_t v = row[x];
            switch (bitsPerPixel) {
            case 1:
                bytes[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
                break;
            case 4:
                bytes[x / 2] |= static_cast<std::uint8_t>((v & 15) << (x % 2 == 0 ? 4 : 0));
                break;
            case 8:
                bytes[x] = static_cast<std::uint8_t>(v);
                break;
            default:
                for (int b = 0; b < bitsPerPixel / 8; ++b) {
                    bytes[x * static_cast<std::size_t>(bitsPerPixel / 8) +
                          static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(v >> (8 * b));
                }
                break;
            }
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string CaseName(std::string text) {
    for (char& c : text) {
        bool letterOrDigit =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) {
            c = '_';
        }
    }
    return text;
}

std::string ScratchDirectory() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = CaseName(std::string(info->test_suite_name()) + "_" + info->name());
    auto dir = std::filesystem::temp_directory_path() / "quorvel-picture-tests" / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string();
}

} // namespace quorvel::testing_support
