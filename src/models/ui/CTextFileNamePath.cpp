#include "models/ui/CTextFileNamePath.h"

namespace vexa {

CTextFileNamePath::CTextFileNamePath(Use use, QWidget* parent) : QFileDialog(parent) {
  // Our own widgets, so the title, filter and button texts are the editor's.
  setOption(QFileDialog::DontUseNativeDialog, true);
  setOption(QFileDialog::DontConfirmOverwrite, true);
  setOption(QFileDialog::ReadOnly, false);
  setWindowTitle(QStringLiteral("Text File Template Import/Export"));
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::AnyFile);
  setNameFilter(QStringLiteral("Text file template(*.txt)"));
  setDefaultSuffix(QStringLiteral("txt"));
  selectFile(QStringLiteral("*.txt"));
  setLabelText(QFileDialog::Accept, use == Use::Import ? QStringLiteral("Import") : QStringLiteral("Export"));
}

}  // namespace vexa
