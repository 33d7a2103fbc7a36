#pragma once

#include "qt/SecondaryWindow.h"
#include "windowlogic/InfoWindowLayout.h"
#include "windowlogic/frminfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>

namespace orvane::qt {

// The info window frminfo in Qt: its labels, frames, logo and Back button, laid out in
// twips in a window of 5400 × 5760 twips inside.
class InfoWindow final : public SecondaryWindow<windowlogic::InfoWindowView> {
    Q_OBJECT
public:
    InfoWindow(windowlogic::frminfo& logic, QWidget* owner);
    int innerWidth() const override;
    int outerWidth() const override;
    int productWidth() const override;
    void moveProduct(int left) override;
    windowlogic::Colour linkColour(int index) const override;
    void setLinkLook(int index, bool bold, windowlogic::Colour colour) override;
    void setPointer(windowlogic::Pointer pointer) override;

    QLabel lblproduct{this};
    QLabel lblcopyright{this};
    QGroupBox Frame2{this};
    QLabel lblversion{&Frame2};
    QLabel Label5{&Frame2};
    QLabel lblware{&Frame2};
    QLabel lbluse{&Frame2};
    QLabel Label1{&Frame2};
    QLabel lblComments{&Frame2};
    QGroupBox Frame1{this};
    std::array<QLabel, 2> Label2{{QLabel(&Frame1), QLabel(&Frame1)}};
    std::array<QLabel, 2> lblsite{{QLabel(&Frame1), QLabel(&Frame1)}};
    QLabel lbltaal{this};
    QLabel Image1{this};
    QPushButton cmdback{this};
    QTimer tmrtitlescrl;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget& widget(windowlogic::InfoControl control);
    void placeControls();
    void bindElements();
    double dpi() const { return logicalDpiX(); }

    windowlogic::frminfo& logic_;
};

} // namespace orvane::qt
