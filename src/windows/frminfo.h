#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;

namespace orvane::windows {

// What the info window shows that comes from outside it; tests set a clock of their own.
struct InfoFacts {
    std::string title;    // the application title, the scrolling product name
    std::string comments; // the comments text of the version information
    std::int32_t usageCount = 1;
    std::function<int()> currentYear;
};

// The about window: the scrolling product name, the copyright line, the program's version,
// status and use count, and two web links that light up under the pointer.
class frminfo final : public QWidget {
    Q_OBJECT
public:
    // `openWebPage` opens an address in the default browser.
    frminfo(InfoFacts facts, std::function<void(const QString&)> openWebPage,
            QWidget* owner = nullptr);

    void Form_Activate();
    void tmrtitlescrl_Timer();
    void lblsite_MouseMove(int index);
    void Frame1_MouseMove();
    void lblsite_Click(int index);
    void Image1_Click();

    QLabel& lblproduct() const { return *lblproduct_; }
    QLabel& lblcopyright() const { return *lblcopyright_; }
    QLabel& lblversion() const { return *lblversion_; }
    QLabel& lblware() const { return *lblware_; }
    QLabel& lbluse() const { return *lbluse_; }
    QLabel& Label1() const { return *Label1_; }
    QLabel& lblComments() const { return *lblComments_; }
    QLabel& lbltaal() const { return *lbltaal_; }
    QLabel& lblsite(int index) const { return *lblsite_.at(static_cast<std::size_t>(index)); }
    QGroupBox& Frame1() const { return *Frame1_; }
    QLabel& Image1() const { return *Image1_; }
    QPushButton& cmdback() const { return *cmdback_; }
    const QTimer& tmrtitlescrl() const { return tmrtitlescrl_; }
    // The product name's left edge, in twips; the scroll keeps it exact, in twips.
    int productLeft() const { return productLeft_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildProgramInfo();
    void buildContact();
    void Form_Load();
    void showEnglishTexts();
    void setLinkLook(QLabel& label, bool lit, const QColor& colour);

    InfoFacts facts_;
    std::function<void(const QString&)> openWebPage_;
    QLabel* lblproduct_;
    QLabel* lblcopyright_;
    QGroupBox* Frame2_;
    QLabel* lblversion_ = nullptr;
    QLabel* lblware_ = nullptr;
    QLabel* lbluse_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblComments_ = nullptr;
    QGroupBox* Frame1_;
    std::array<QLabel*, 2> lblsite_{};
    QLabel* lbltaal_;
    QLabel* Image1_;
    QPushButton* cmdback_;
    QTimer tmrtitlescrl_;
    QColor savedLinkColour_;
    int productLeft_ = 0;
};

} // namespace orvane::windows
