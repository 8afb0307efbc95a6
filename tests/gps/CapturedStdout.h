#pragma once

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

// Runs `f` with standard output going to a temporary file and returns what
// it printed (the extractors report on standard output).
template <typename F> QByteArray captureStdout(F f)
{
    fflush(stdout);
    FILE *capture = tmpfile();
    const int saved = dup(1);
    dup2(fileno(capture), 1);
    f();
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    QByteArray text;
    rewind(capture);
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, capture)) > 0)
        text.append(buffer, int(n));
    fclose(capture);
    return text;
}
