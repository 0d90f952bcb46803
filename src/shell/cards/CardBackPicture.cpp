// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/cards/CardBackPicture.h"

#include "settings/FileText.h"

#include <QBuffer>
#include <QImageReader>

namespace quellard {

namespace {

// Walks a GIF's blocks as its decoder would, and says whether every block is there: the bytes end
// at the trailer or, as browsers and image viewers accept, right after a whole block, with only the
// trailer missing. A file with no image in it is left to the decoder to refuse.
class GifWalk {
public:
    explicit GifWalk(std::string_view bytes) : m_bytes(bytes) {}

    bool complete()
    {
        // The header and the logical screen, with its colour table when there is one.
        if (!skip(6) || !(m_bytes.substr(0, 4) == "GIF8") || !has(7))
            return false;
        const unsigned char flags = byte(m_at + 4);
        if (!skip(7) || ((flags & 0x80) && !skip(colourTableSize(flags))))
            return false;
        while (has(1)) {
            const unsigned char introducer = byte(m_at);
            skip(1);
            if (introducer == 0x3B) // the trailer
                return true;
            if (introducer == 0x21) { // an extension: its label, then its sub-blocks
                if (!skip(1) || !skipSubBlocks())
                    return false;
            } else if (introducer == 0x2C) { // an image: descriptor, colour table, LZW code size, data
                if (!has(9))
                    return false;
                const unsigned char imageFlags = byte(m_at + 8);
                if (!skip(9) || ((imageFlags & 0x80) && !skip(colourTableSize(imageFlags))) || !skip(1) ||
                    !skipSubBlocks())
                    return false;
            } else {
                return false;
            }
        }
        return true; // the trailer is missing, every block before it whole
    }

private:
    static std::size_t colourTableSize(unsigned char flags) { return 3u << ((flags & 0x07) + 1); }
    unsigned char byte(std::size_t at) const { return static_cast<unsigned char>(m_bytes[at]); }
    bool has(std::size_t count) const { return m_at + count <= m_bytes.size(); }
    bool skip(std::size_t count)
    {
        if (!has(count))
            return false;
        m_at += count;
        return true;
    }
    // Sub-blocks: a size byte, that many bytes, until a size of zero.
    bool skipSubBlocks()
    {
        while (has(1)) {
            const std::size_t size = byte(m_at);
            if (!skip(1 + size))
                return false;
            if (size == 0)
                return true;
        }
        return false;
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
};

} // namespace

bool gifIsComplete(std::string_view bytes) { return GifWalk(bytes).complete(); }

QImage readCardBackPicture(const std::string &path)
{
    const FileText file = readFileText(path);
    if (file.status != FileReadStatus::Read)
        return {};
    const bool isGif = file.bytes.compare(0, 4, "GIF8") == 0;
    if (isGif && !gifIsComplete(file.bytes))
        return {};
    QByteArray bytes = QByteArray::fromStdString(file.bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage picture = reader.read();
    // Other formats' decoders report a picture they could not finish.
    return reader.error() == QImageReader::UnknownError ? picture : QImage();
}

} // namespace quellard
