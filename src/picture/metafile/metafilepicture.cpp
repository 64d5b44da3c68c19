#include "picture/metafile/metafilepicture.h"

#include "numtext/failure.h"
#include "picture/core/picturemessages.h"
#include "picture/metafile/emfplayer.h"
#include "picture/metafile/wmfplayer.h"

#include <QPainter>

namespace quorvel {

MetafilePicture::MetafilePicture(std::span<const std::uint8_t> bytes, const MetafileLayout& layout)
    : Picture(PictureKind::Metafile, layout.width, layout.height) {
    if (layout.width <= 0 || layout.height <= 0) {
        return;
    }
    image_ = QImage(layout.width, layout.height, QImage::Format_ARGB32_Premultiplied);
    if (image_.isNull()) {
        throw Failure(kNoSystemResourcesMessage);
    }
    image_.fill(Qt::transparent);
    QPainter painter(&image_);
    const RecordBytes records = RecordBytes(bytes).Sub(layout.recordsOffset, layout.recordsLength);
    tally_ = layout.form == MetafileForm::Enhanced ? PlayEnhancedMetafile(records, layout, painter)
                                                   : PlayWindowsMetafile(records, layout, painter);
}

} // namespace quorvel
