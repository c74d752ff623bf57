#pragma once

#include <QFrame>
#include <QImage>
#include <cstdint>
#include <span>

// The picture frame of a dialog template showing an entry's thumbnail: the
// store's JPEG bytes decoded by our own decoder, fitted inside the frame
// and centred, never turned (as the blog grid draws it). An entry without a
// thumbnail, or whose bytes cannot be decoded, shows an empty frame.
class ThumbnailFrame : public QFrame {
    Q_OBJECT

public:
    ThumbnailFrame(std::span<const std::uint8_t> jpeg, QWidget* parent);

    // The fitted picture as last drawn (null when there is none).
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Decode();

    std::span<const std::uint8_t> m_jpeg;
    QImage m_picture;
    QPoint m_at;
};
