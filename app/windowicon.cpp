// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowicon.h"

#include <QIconEngine>
#include <memory>
#include <optional>

namespace tavrin {
namespace {

// Answers as Qt's own icon of the files does, building it at the first
// question that needs a picture; copies share it.
class OnDemandIcon : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // The files are built into the program; asking must not decode them.
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new OnDemandIcon(*this); }

private:
    const QIcon& icon()
    {
        if (!*files_) {
            QIcon& made = files_->emplace();
            for (const int size : {16, 32, 48, 128, 256})
                made.addFile(QStringLiteral(":/tavrin/icons/tavrin-%1.png").arg(size), QSize(size, size));
        }
        return **files_;
    }

    std::shared_ptr<std::optional<QIcon>> files_ = std::make_shared<std::optional<QIcon>>();
};

} // namespace

QIcon plannerIcon()
{
    return QIcon(new OnDemandIcon);
}

} // namespace tavrin
