#include "figures/PortugueseFolderTexts.h"

#include <QCoreApplication>

#include <cstring>

namespace qv {

namespace {

struct Text {
    const char* context;
    const char* english;
    const char* portuguese;
};

constexpr Text kTexts[] = {
    {"QFileSystemModel", "Name", "Nome"},
    {"QFileSystemModel", "Size", "Tamanho"},
    {"QFileSystemModel", "Type", "Tipo"},
    {"QFileSystemModel", "Date Modified", "Data de modificação"},
    {"QFileSystemModel", "My Computer", "Meu computador"},
    {"QFileSystemModel", "Computer", "Computador"},
    {"QAbstractFileIconProvider", "Folder", "Pasta"},
    {"QAbstractFileIconProvider", "Drive", "Unidade"},
    {"QAbstractFileIconProvider", "File", "Arquivo"},
    {"QAbstractFileIconProvider", "Shortcut", "Atalho"},
    {"QAbstractFileIconProvider", "Unknown", "Desconhecido"},
};

} // namespace

PortugueseFolderTexts::PortugueseFolderTexts(QObject* parent) : QTranslator(parent) {
    QCoreApplication::installTranslator(this);
}

QString PortugueseFolderTexts::translate(const char* context, const char* sourceText, const char*,
                                         int) const {
    if (!context || !sourceText)
        return {};
    for (const Text& text : kTexts) {
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.english) == 0)
            return QString::fromUtf8(text.portuguese);
    }
    return {};
}

} // namespace qv
