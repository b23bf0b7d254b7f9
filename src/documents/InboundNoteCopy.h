#pragma once

#include <QString>
#include <optional>

// An inbound return may take over all lines of an inbound note. Copies the lines of
// inboundNumber under returnNumber and returns that note's receiving warehouse; nullopt
// when there is no such inbound note (nothing copied).
std::optional<QString> copyInboundNoteLines(const QString& inboundNumber,
                                            const QString& returnNumber);
