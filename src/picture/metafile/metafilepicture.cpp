#include "picture/metafile/metafilepicture.h"

#include "picture/metafile/emfplayer.h"
#include "picture/metafile/wmfplayer.h"

#include <QPainter>

namespace quorvel {

MetafilePicture::MetafilePicture(std::vector<std::uint8_t> bytes, const MetafileLayout& layout)
    : Picture(PictureKind::Metafile, layout.width, layout.height), bytes_(std::move(bytes)),
      layout_(layout) {}

QImage MetafilePicture::Image() const {
    if (played_) {
        return image_;
    }
    played_ = true;
    if (layout_.width <= 0 || layout_.height <= 0) {
        return image_;
    }
    QImage image(layout_.width, layout_.height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image_;
    }
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        const RecordBytes records =
            RecordBytes(bytes_).Sub(layout_.recordsOffset, layout_.recordsLength);
        if (layout_.form == MetafileForm::Enhanced) {
            PlayEnhancedMetafile(records, layout_, painter);
        } else {
            PlayWindowsMetafile(records, layout_, painter);
        }
    }
    image_ = image;
    return image_;
}

} // namespace quorvel
