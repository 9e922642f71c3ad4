#pragma once
// The "Jump to..." dialog: a page number typed or picked with a slider.

#include <QDialog>

class QLineEdit;
class QSlider;

class JumpDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on page `pageIndex` (0-based) of `pageCount`.
    JumpDialog(int pageIndex, int pageCount, QWidget* owner = nullptr);

    // The page number "Jump" confirmed (1-based, as typed, even beyond the page count); 0 for Cancel,
    // the close box or an empty field.
    int chosenPage() const { return m_chosen; }

private:
    void fieldChanged();
    void sliderMoved(int position);
    void jump();

    QLineEdit* m_field = nullptr;
    QSlider* m_slider = nullptr;
    int m_pageCount = 0;
    int m_chosen = 0;
    bool m_followingField = false;
};

// Runs the dialog modally and returns its chosen page.
int RunJumpDialog(QWidget* owner, int pageIndex, int pageCount);
