#pragma once

#include <QApplication>

// The application object: a catch-all around the handling of every event, in the
// main loop and in every nested modal loop, hands escaping errors to the report
// and carries on; a change of the regional settings is read again when announced.
class LabsApplication : public QApplication {
    Q_OBJECT
  public:
    LabsApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
