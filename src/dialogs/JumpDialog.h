// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Jump to..." dialog: a page number typed or picked with a slider.

#include <QDialog>
#include <QImage>

#include <functional>

class QLabel;
class QLineEdit;
class QSlider;

// The thumbnails the dialog shows of the page under its slider: `thumbnail` gives page k's (0-based;
// null while it isn't made), `focus` asks for the pages nearest k first. Empty: no picture.
struct JumpThumbnails {
    std::function<QImage(int)> thumbnail;
    std::function<void(int)> focus;
};

class JumpDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on page `pageIndex` (0-based) of `pageCount`.
    JumpDialog(int pageIndex, int pageCount, QWidget* owner = nullptr, JumpThumbnails thumbnails = {});

    // The page number "Jump" confirmed (1-based, as typed, even beyond the page count); 0 for Cancel,
    // the close box or an empty field.
    int chosenPage() const { return m_chosen; }

private:
    void fieldChanged();
    void sliderMoved(int position);
    void jump();
    void showThumbnail();

    QLineEdit* m_field = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_picture = nullptr;
    int m_pageCount = 0;
    int m_chosen = 0;
    bool m_followingField = false;
    JumpThumbnails m_thumbnails;
};

// Runs the dialog modally and returns its chosen page.
int RunJumpDialog(QWidget* owner, int pageIndex, int pageCount, JumpThumbnails thumbnails = {});
