#include "engine/CopySourceTree.h"

#include "engine/CopyFromList.h"
#include "engine/DirectCopyTree.h"
#include "engine/SurveySource.h"
#include "support/ValueFormat.h"

#include <string>

namespace orvane {

void CopySourceTree(const RunContext& run, bool direct) {
    MainWindowElements& window = run.window;
    RunState& state = run.state;
    if (direct) {
        run.addLog("Direct Copying on");
        DirectCopyTree(run, window.txtSource.caption(), window.txtDestination.caption());
        return;
    }
    SurveySource(run, window.txtSource.caption());
    window.pbTotalFiles.setMax(window.pbTotalFiles.Max() - 1);
    run.addLog("Total files to copy: " + std::to_string(window.pbTotalFiles.Max()) +
               " file(s) in " + std::to_string(state.DirCount) + " directory(s)");
    run.yield();
    window.lblTime[3].setCaption("Total size todo: " +
                                 FormatSize(state.CTotalFileSize, run.decimalSeparator));
    // The survey counted bytes as values; the list run counts them as raw amounts.
    state.CTotalFileSize = state.CTotalFileSize.dividedBy(Amount::kScale);
    state.CTotalFileSizeStart = state.CTotalFileSizeStart.dividedBy(Amount::kScale);
    CopyFromList(run);
}

} // namespace orvane
