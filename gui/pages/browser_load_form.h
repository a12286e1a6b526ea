#pragma once

#include <QDialog>

namespace fjordheim {

/// The notice shown while the browser starts for the first time; a click closes it.
class TBrowserLoadForm : public QWidget {
  Q_OBJECT

 public:
  explicit TBrowserLoadForm(QWidget* parent = nullptr);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace fjordheim
