#pragma once

#include "generator/PageGenerator.h"
#include "settings/PageSettings.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace tuk {

// What tu_k-make's command line asks for. A choice left unset keeps the saved one.
struct MakeOptions {
    QString folder;
    QString target;      // --target or --into, as given; empty: the saved one
    bool into = false;   // --into: the pages of any volume go into the target folder
    bool noInto = false; // --no-into: pages go where they would without the saved choice
    bool yes = false;
    bool quiet = false;
    // The page options the command line turns on or off, over the saved ones.
    std::vector<std::pair<bool PageSettings::*, bool>> choices;
    std::optional<int> webSize;
    int thumbSize = kDefaultThumbSize;
};

// Reads the arguments (the program's name first) into the options: an empty text when they
// are good, else why they are refused. --help and --version print and end the program.
QString ParseMakeOptions(const QStringList& arguments, MakeOptions& options);

// The saved page options with the command line's choices over them (the target folder, which
// needs the current folder, is the caller's).
void ApplyMakeOptions(const MakeOptions& options, PageSettings& settings);

} // namespace tuk
