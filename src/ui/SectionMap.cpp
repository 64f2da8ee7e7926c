#include "ui/SectionMap.h"

#include "platform/Dialogs.h"
#include "platform/ShippedFiles.h"
#include "platform/qt/QtText.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>

namespace qv {
namespace {

// Half the side of a seed's invisible region, in pixels of the picture.
constexpr int kSeedReach = 8;

} // namespace

PixelImage toPixelImage(const QImage& image) {
    const QImage rgb32 = image.convertToFormat(QImage::Format_RGB32);
    PixelImage pixels(rgb32.width(), rgb32.height(), 0);
    for (int y = 0; y < rgb32.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
        for (int x = 0; x < rgb32.width(); ++x) {
            pixels.at(x, y) = rgb(static_cast<std::uint8_t>(qRed(line[x])),
                                  static_cast<std::uint8_t>(qGreen(line[x])),
                                  static_cast<std::uint8_t>(qBlue(line[x])));
        }
    }
    return pixels;
}

QImage toQImage(const PixelImage& pixels) {
    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    for (int y = 0; y < pixels.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x) {
            const Colour c = pixels.at(x, y);
            line[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return image;
}

SectionMapView::SectionMapView(const SectionMapLogic& logic, QWidget* parent)
    : QWidget(parent), logic_(logic) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(kMapWidth, kMapHeight);
    setMouseTracking(true);
}

void SectionMapView::showMap() {
    image_ = toQImage(logic_.state().map);
    update();
}

int SectionMapView::seedAt(QPoint point) const {
    const auto& seeds = mapSeeds();
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        if (std::abs(point.x() - seeds[i].x) <= kSeedReach &&
            std::abs(point.y() - seeds[i].y) <= kSeedReach) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool SectionMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int seed = seedAt(help->pos());
        if (seed >= 0) {
            QToolTip::showText(help->globalPos(),
                               toQString(logic_.state().seedTips[static_cast<std::size_t>(seed)]),
                               this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void SectionMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QPoint(0, 0), image_);
}

PixelImage SectionMap::loadMap(ShippedFiles& shipped) {
    const FileContents file = shipped.read(kMapFileName);
    if (file.error != FileContents::Error::None) {
        return {};
    }
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(file.bytes.data()),
                            static_cast<int>(file.bytes.size()))) {
        return {};
    }
    return toPixelImage(image);
}

void SectionMap::run(QWidget* parent, SectionMapLogic::Uses uses, ShippedFiles& shipped,
                     Dialogs& dialogs) {
    PixelImage map = loadMap(shipped);
    if (map.pixels.empty()) {
        dialogs.messageBox(SectionMapLogic::kCaption,
                           std::string("The map picture ") + kMapFileName + " could not be read.",
                           MessageButtons::Ok, MessageIcon::Warning);
    }
    SectionMapLogic logic(std::move(uses));
    SectionMap window(logic, std::move(map), parent);
    window.exec();
}

SectionMap::SectionMap(SectionMapLogic& logic, PixelImage map, QWidget* parent)
    : QDialog(parent), logic_(logic) {
    setObjectName(QStringLiteral("SectionMap"));
    setWindowTitle(QString::fromLatin1(SectionMapLogic::kCaption));
    setModal(true);

    view_ = new SectionMapView(logic_, this);
    hint_ = new QLabel(QString::fromLatin1(SectionMapLogic::kHint), this);
    hint_->setObjectName(QStringLiteral("lblHint"));
    hint_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(hint_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    logic_.setChangedHandler([this] { render(); });
    logic_.Form_Load(std::move(map));
    render();

    adjustSize();
    if (const QScreen* s = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        QRect box = frameGeometry();
        box.moveCenter(s->geometry().center());
        move(box.topLeft());
    }
}

void SectionMap::render() {
    hint_->setVisible(logic_.state().hintVisible);
    view_->showMap();
}

} // namespace qv
