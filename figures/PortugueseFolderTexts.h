#pragma once

#include <QTranslator>

namespace qv {

/// Puts the texts that Qt's folder model makes itself (its column headings, the
/// kind of an entry) in Portuguese, as the rest of the photo manager is; a screen
/// reader reads them with the folder tree. Installed for the application while it
/// exists; everything else Qt says keeps its own words.
class PortugueseFolderTexts final : public QTranslator {
public:
    explicit PortugueseFolderTexts(QObject* parent);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace qv
