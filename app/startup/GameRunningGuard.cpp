#include "app/startup/GameRunningGuard.h"

#include "app/platform/qt/MessageBox.h"
#include "app/platform/qt/TextBridge.h"
#include "app/platform/qt/TranslatedPhrases.h"
#include "app/startup/core/RunningGame.h"

namespace varnick {

bool refuseWhileGameRuns(QWidget* owner)
{
    const std::optional<std::string> program = runningGameProgram();
    if (!program)
        return false;
    MessageBox::exclamation(owner, QCoreApplication::translate("GameRunningGuard", "The Sims 2 Is Running"),
        text::fromUtf8(gameRunningMessage(*program, translatedPhrases())));
    return true;
}

RunningGameForTesting::RunningGameForTesting(std::optional<QString> program)
{
    const std::optional<std::string> answer
        = program ? std::optional<std::string>(text::toUtf8(*program)) : std::nullopt;
    setRunningGameProgramForTesting([answer] { return answer; });
}

RunningGameForTesting::~RunningGameForTesting()
{
    setRunningGameProgramForTesting({});
}

} // namespace varnick
