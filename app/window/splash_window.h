#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// splashWindow: the start-up window. It names the processor, says which start-up step runs, and
// follows the image map's build on its progress bar. Its own texts are the same in every
// language; only the status line follows the language once it is known.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    void showProcessor(const QString& name, const QString& revision, const QString& speed);
    // Shows a status text at once, before the next step keeps the program busy.
    void setStatus(const QString& text);
    void setProgressRange(int minimum, int maximum);
    void setProgress(int value);

private:
    QLabel* processorNameLabel_;
    QLabel* processorRevisionLabel_;
    QLabel* processorSpeedLabel_;
    QLabel* statusLabel_;
    QProgressBar* progressBar_;
};
