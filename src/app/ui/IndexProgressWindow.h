#pragma once
// "Aguarde Criando Índices...": the gauge of the index rebuild, shown from its
// start to its end with the wait cursor.

#include "storage/DataModule.h"

#include <QWidget>

class QProgressBar;

namespace vexa::app {

class IndexProgressWindow : public QWidget, public storage::RebuildProgress {
    Q_OBJECT
public:
    explicit IndexProgressWindow(QWidget* parent = nullptr);
    ~IndexProgressWindow() override;

    void begin(int total) override;
    void step(int done) override;
    void end() override;

    QProgressBar* gauge() const { return gauge_; }

private:
    void repaintNow();

    QProgressBar* gauge_;
    bool busy_ = false;
};

} // namespace vexa::app
