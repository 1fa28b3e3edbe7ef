// Random bytes as the layer of pheltra-cli shield (MATERIAL:THICKNESS, a
// library name or formula=F,density=D, a thickness with its unit), with and
// without a target to solve for. Nothing may crash or hang; a refusal prints
// one line on stderr and nothing on stdout.
#include "app/cli/cli.h"
#include "app/cli/cli_error.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

void Run(const QStringList &arguments)
{
    static const CliContext context{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QLocale::c(),
                                    QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), QString()};
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, context, out, err);
    if (status == kExitOk)
        return;
    const std::string message = err.str();
    if (status != kExitBadInput || !out.str().empty() || std::count(message.begin(), message.end(), '\n') != 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString layer = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList shield{QStringLiteral("shield"), QStringLiteral("--energy"), QStringLiteral("1250"),
                             QStringLiteral("--layer"), layer};
    Run(shield);
    Run(shield + QStringList{QStringLiteral("--transmission"), QStringLiteral("1e-4")});
    return 0;
}
