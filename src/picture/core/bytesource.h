#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvel {

// The bytes of a picture file, read front to back. Its size is known up
// front, so nothing is allocated for a part the file cannot hold.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    virtual std::uint64_t Remaining() const = 0;
    // Fills all of `into` or throws "ｽﾄﾘｰﾑからの読み込みｴﾗｰ".
    void ReadExactly(std::span<std::uint8_t> into);
    // Passes over `count` bytes or throws "ｽﾄﾘｰﾑからの読み込みｴﾗｰ".
    virtual void Skip(std::uint64_t count) = 0;
    // Fills as much of `into` as the file still has; returns how much.
    virtual std::size_t ReadUpTo(std::span<std::uint8_t> into) = 0;
    // Up to `length` of the bytes left, in memory of their own; nothing when
    // that would be more than `limit` bytes or the memory cannot be had.
    std::optional<std::vector<std::uint8_t>> ReadAtMost(std::uint64_t length, std::uint64_t limit);
};

class SpanSource final : public ByteSource {
public:
    explicit SpanSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t Remaining() const override { return bytes_.size(); }
    void Skip(std::uint64_t count) override;
    std::size_t ReadUpTo(std::span<std::uint8_t> into) override;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace quorvel
