// Pixels an undo step keeps, in little memory when there are many of them:
// the image is cut into blocks, a block of one colour is kept as that colour
// and any other is compressed at zlib's fastest level. Unpacking gives the
// very same pixels back.
#pragma once

#include <QByteArray>
#include <QImage>
#include <cstddef>
#include <vector>

class PackedImage {
public:
    PackedImage() = default;
    // Kept as it is (shared, not copied) until pack().
    explicit PackedImage(const QImage& image) : plain_(image), size_(image.size()) {}

    // Compresses the pixels; an image that is not of 32-bit pixels stays as it is.
    void pack();
    bool packed() const { return !blocks_.empty(); }
    // The pixels, as a new image when packed, at the resolution the image
    // had; null when there is no memory for it.
    QImage image() const;
    bool isNull() const { return size_.isEmpty(); }
    QSize size() const { return size_; }
    // Whether both hold the same pixels.
    bool same(const PackedImage& other) const;
    // The memory the pixels take.
    std::size_t bytes() const;

private:
    static constexpr int kBlockWidth = 512;
    static constexpr int kBlockHeight = 32;
    struct Block {
        QRgb fill = 0;      // every pixel's value when zipped is empty
        QByteArray zipped;  // the rows one after the other, compressed
    };

    QImage plain_;
    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    int dotsPerMeterX_ = 0, dotsPerMeterY_ = 0;
    std::vector<Block> blocks_;  // row by row, then left to right
};
