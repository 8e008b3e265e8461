#include "models/ui/CTextFileNamePath.h"

namespace vexa {

CTextFileNamePath::CTextFileNamePath(Use use, QWidget* parent) : QFileDialog(parent) {
  // Our own widgets, so the title, filter and button texts are the editor's.
  setOption(QFileDialog::DontUseNativeDialog, true);
  setOption(QFileDialog::DontConfirmOverwrite, true);
  setOption(QFileDialog::ReadOnly, false);
  setWindowTitle(tr("Text File Template Import/Export"));
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::AnyFile);
  setNameFilter(tr("Text file template(*.txt)"));
  setDefaultSuffix(QStringLiteral("txt"));
  selectFile(QStringLiteral("*.txt"));
  //: The accept button of the text template file chooser.
  setLabelText(QFileDialog::Accept, use == Use::Import ? tr("Import") : tr("Export"));
}

}  // namespace vexa
