#pragma once

#include "batch/BatchModule.h"
#include "platform/core/CalcOutput.h"

namespace verdeval::batch {

// Records what a calculation writes and shows, as its screen would show it.
class RecordingOutput : public CalcOutput
{
public:
    RecordingOutput() { result.cells.reserve(128); }
    void cell(const QString &name, const QString &text) override
    {
        result.cells.insert(name, {text, ++result.events});
    }
    void atencion(const QString &text) override { result.messages.append({text, ++result.events}); }
    void hemisphere(const QString &text) override { result.messages.append({text, ++result.events}); }

    PlaceResult result;
};

} // namespace verdeval::batch
