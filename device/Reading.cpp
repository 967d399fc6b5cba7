#include "Reading.h"

#include "Conversions.h"

namespace velmor {

Reading graphReading(const ReplyFrame& reply) {
    return {reply, volts5Graph(reply.b2), volts12(reply.b3), volts33(reply.b4)};
}

Reading manualReading(const ReplyFrame& reply) {
    return {reply, volts5Manual(reply.b2), volts12(reply.b3), volts33(reply.b4)};
}

} // namespace velmor
