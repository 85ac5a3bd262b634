#pragma once
// The distance, volume or weight window on screen. It shows the state of its
// ConversionWindowModel and hands every click to it; all rules live there.

#include "common/calculator_entry.h"
#include "common/prompter.h"
#include "conversion/conversion_window_model.h"
#include "ui/built_on_first_show.h"

#include <QColor>
#include <QMainWindow>

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tallimo::ui {

class ConversionWindow : public BuiltOnFirstShow<QMainWindow> {
    Q_OBJECT

public:
    ConversionWindow(ConversionKind kind, CalculatorEntry& calculator, Prompter& prompter,
                     QWidget* parent = nullptr);
    ~ConversionWindow() override;

    ConversionKind kind() const { return model_.design().kind; }
    const ConversionWindowModel& model() const { return model_; }

    // What the main window's launcher calls: shows the window, afresh after a close
    // and as it was after being hidden.
    void open();
    // The colour scheme's background; option buttons and labels stay white.
    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

signals:
    // The window has closed (not merely hidden); it loads afresh when opened again.
    void closed();

protected:
    // The close box asks the closing question when both boxes hold something. A
    // program ending at once must hide the window instead of closing it.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Shows the screen as it stands before a message box opens.
    class RenderingPrompter : public Prompter {
    public:
        RenderingPrompter(ConversionWindow& window, Prompter& inner) : window_(window), inner_(inner) {}
        Answer ask(const Message& message) override;

    private:
        ConversionWindow& window_;
        Prompter& inner_;
    };

    // Ids of the option buttons; the target buttons, in a group of their own, follow.
    static constexpr int kResetId = 0;
    static constexpr int kSendId = 1;
    static constexpr int kFirstTargetId = 2;

    struct TargetWidget {
        std::size_t unit;
        int index;
        QRadioButton* button;
    };

    void build() override;
    void buildMenus();
    void buildClient();
    void buildTargets();
    void showPopup(const QPoint& globalPosition);
    void optionSelected(int id);
    void unitChosen(std::size_t unit, MenuOrigin place);
    void exitChosen();
    // Puts the focus on the keypad's 1, where an amount starts, when the keypad shows.
    void focusKeypad();
    void render();
    void renderSelection();
    void paintBackgrounds();

    RenderingPrompter prompter_;
    ConversionWindowModel model_;
    QColor background_ = Qt::black;
    bool rendering_ = false;
    int clientWidth_ = 0;

    QWidget* client_ = nullptr;  // none until ensureBuilt()
    QLineEdit* txtInput_ = nullptr;
    QLineEdit* txtOutput_ = nullptr;
    QLabel* lblInput_ = nullptr;
    QLabel* lblConvert_ = nullptr;
    QLabel* lblResult_ = nullptr;
    QRadioButton* optReset_ = nullptr;
    QRadioButton* optSendCalc_ = nullptr;
    QButtonGroup* options_ = nullptr;  // the target buttons
    std::vector<TargetWidget> targets_;
    QPushButton* keypadOne_ = nullptr;
    QMenu* popup_ = nullptr;
};

}  // namespace tallimo::ui
