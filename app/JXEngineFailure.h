#pragma once

#include <QCoreApplication>
#include <QString>

#include <exception>

// What start-up does when the video engine cannot be set up (libmpv missing
// a piece, refusing its options): the user is told why the player closes, in
// the alert dialog when a window can be shown and on standard error
// otherwise, and the process ends with a failure code.
class JXEngineFailure
{
    Q_DECLARE_TR_FUNCTIONS(JXEngineFailure)

public:
    static constexpr int ExitCode = 1;

    // Tells the user and returns ExitCode, for main to return.
    static int report(const std::exception &error);

    static QString title();
    static QString message();
};
