// The file chooser of Import Text Data and Export Text Data: one open-file
// chooser for both, listing the .txt files, with "Import" or "Export" on its
// accept button. A typed name without an extension gets ".txt" appended (so the
// chooser lists the file again for the import), and
// Export overwrites an existing file without asking, as the product always did.
#pragma once

#include <QFileDialog>

namespace vexa {

class CTextFileNamePath : public QFileDialog {
  Q_OBJECT
 public:
  enum class Use { Import, Export };
  CTextFileNamePath(Use use, QWidget* parent = nullptr);
};

}  // namespace vexa
