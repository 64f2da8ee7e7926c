#pragma once

#include "app/SectionMapLogic.h"

#include <QDialog>
#include <QImage>

class QLabel;

namespace qv {

class Dialogs;
class ShippedFiles;

// The map picture with the seed regions' hover texts.
class SectionMapView : public QWidget {
    Q_OBJECT
public:
    SectionMapView(const SectionMapLogic& logic, QWidget* parent);
    // The picture as the logic last left it.
    void showMap();
    const QImage& image() const { return image_; }
    // The seed whose invisible region holds a point of the view, or -1.
    int seedAt(QPoint point) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    const SectionMapLogic& logic_;
    QImage image_;
};

// "State / Province Map": shows a SectionMapLogic, modally, centred on the screen.
class SectionMap : public QDialog {
    Q_OBJECT
public:
    // Reads the map picture from the shipped files and shows the window modally;
    // it is discarded when closed.
    static void run(QWidget* parent, SectionMapLogic::Uses uses, ShippedFiles& shipped,
                    Dialogs& dialogs);

    // The map picture as plain pixels; an empty picture when it cannot be read.
    static PixelImage loadMap(ShippedFiles& shipped);

    SectionMap(SectionMapLogic& logic, PixelImage map, QWidget* parent = nullptr);

    SectionMapView* view() const { return view_; }

private:
    void render();

    SectionMapLogic& logic_;
    SectionMapView* view_;
    QLabel* hint_;
};

// Conversions between a picture and plain pixels.
PixelImage toPixelImage(const QImage& image);
QImage toQImage(const PixelImage& pixels);

} // namespace qv
