#include "uuid/generator.h"

#include <atomic>
#include <cstring>

#include "numeric/random.h"
#include "string/md5.h"

namespace brindle::uuid {
namespace {

constinit Generator the_generator;

}  // namespace

platform::Bytes16 encode_state(const State& s) noexcept {
    platform::Bytes16 b{};
    for (std::size_t i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(s.last_time >> (8 * i));
    std::memcpy(b.data() + 8, s.node.data(), s.node.size());
    b[14] = static_cast<uint8_t>(s.clock_seq);
    b[15] = static_cast<uint8_t>(s.clock_seq >> 8);
    return b;
}

State decode_state(const platform::Bytes16& b) noexcept {
    State s;
    for (std::size_t i = 0; i < 8; ++i) s.last_time |= uint64_t{b[i]} << (8 * i);
    std::memcpy(s.node.data(), b.data() + 8, s.node.size());
    s.clock_seq = static_cast<uint16_t>(b[14] | b[15] << 8);
    return s;
}

Generator& process_generator() noexcept { return the_generator; }

// Up to 1025 UUIDs share one reading of the clock (the counter runs 0 to 1024); the next one
// waits for the clock to move. While the clock does not go back, a time never repeats: where
// reading + counter does not pass the last time returned (a reading R with counter 1 meets
// R + 1 with counter 0), the last time plus 1 is returned instead. A reading below the last
// one is returned as read, so that the caller's clock-sequence step fires.
uint64_t Generator::clock() noexcept {
    if (!clock_ready_) {
        (void)src_.clock();
        per_reading_ = kExtraPerReading;
        clock_ready_ = true;
    }
    uint64_t reading;
    for (;;) {
        reading = src_.clock();
        if (reading != last_reading_) {
            per_reading_ = 0;
            break;
        }
        if (per_reading_ < kExtraPerReading) {
            ++per_reading_;
            break;
        }
    }
    const bool went_back = reading < last_reading_;
    last_reading_ = reading;
    uint64_t t = reading + per_reading_;
    if (!went_back && returned_any_ && t <= last_returned_) t = last_returned_ + 1;
    last_returned_ = t;
    returned_any_ = true;
    return t;
}

const Node& Generator::random_node() noexcept {
    if (!random_fixed_) {
        const platform::Bytes16 seed = src_.seed16();
        std::memcpy(random_.data(), seed.data(), random_.size());
        random_[0] |= kRandomNodeBit;
        random_fixed_ = true;
    }
    return random_;
}

Node Generator::node(bool use_random) noexcept {
    if (use_random) return random_node();
    if (!adapter_fixed_) {
        Node mac;
        adapter_ = src_.adapter(mac) ? mac : random_node();
        adapter_fixed_ = true;
    }
    return adapter_;
}

// The file is read once per process, the first time it can be opened; until then every
// call tries again.
bool Generator::load() noexcept {
    if (!loaded_) loaded_ = platform::read_state_file(state_);
    return loaded_;
}

uint16_t Generator::random15() noexcept {
    if (!seeded_) {
        const uint64_t q = src_.clock() / 1024;
        numeric::random::seed(static_cast<uint32_t>(q ^ (q >> 32)));
        seeded_ = true;
    }
    return static_cast<uint16_t>(numeric::random::draw());
}

uint64_t Generator::save(uint16_t clock_seq, uint64_t time, const Node& node,
                         platform::Bytes16& snapshot) noexcept {
    if (!save_time_set_) {
        next_save_ = time;
        save_time_set_ = true;
    }
    state_ = encode_state(State{time, node, clock_seq});
    if (time < next_save_) return 0;
    next_save_ = time + kSaveInterval;
    snapshot = state_;
    return ++tickets_;
}

// A snapshot older than one already written is dropped, so the file never goes back.
void Generator::write(uint64_t ticket, const platform::Bytes16& snapshot) noexcept {
    std::lock_guard<std::mutex> lock(file_mu_);
    if (ticket <= written_) return;
    platform::write_state_file(snapshot);
    written_ = ticket;
}

Uuid Generator::v1(bool random_node) noexcept {
    Uuid u;
    platform::Bytes16 snapshot{};
    uint64_t ticket = 0;
    {
        std::lock_guard<std::mutex> lock(mu_);
        const uint64_t time = clock();
        const Node n = node(random_node);
        const bool loaded = load();
        const State stored = decode_state(state_);
        uint16_t seq = stored.clock_seq;
        if (!loaded || stored.node != n) {
            seq = random15();
        } else if (time < stored.last_time) {
            seq = static_cast<uint16_t>(seq + 1);
        }
        u.time_low = static_cast<uint32_t>(time);
        u.time_mid = static_cast<uint16_t>(time >> 32);
        u.time_hi_and_version = static_cast<uint16_t>(((time >> 48) & 0x0FFF) | kVersion1Bit);
        u.clock_seq_low = static_cast<uint8_t>(seq);
        u.clock_seq_hi_and_reserved = static_cast<uint8_t>(((seq & 0x3F00) >> 8) | 0x80);
        u.node = n;
        ticket = save(seq, time, n, snapshot);
    }
    if (ticket != 0) write(ticket, snapshot);
    return u;
}

Uuid uuidgen_v4() noexcept { return uuid_v4_from(&platform::os_random); }

Uuid uuid_v4_from(bool (*random)(void* out, std::size_t n) noexcept) noexcept {
    uint8_t b[16];
    if (!random(b, sizeof b)) {
        // No kernel random source: a digest of fresh seed material and a process-wide count.
        static std::atomic<uint64_t> count{0};
        const uint64_t n = count.fetch_add(1, std::memory_order_relaxed);
        const platform::Bytes16 seed = platform::seed16();
        string::md5::Context md5;
        md5.update(seed.data(), seed.size());
        md5.update(&n, sizeof n);
        const string::md5::Digest d = md5.finish();
        std::memcpy(b, d.data(), sizeof b);
    }
    Uuid u;
    u.time_low = static_cast<uint32_t>(b[0]) << 24 | static_cast<uint32_t>(b[1]) << 16 |
                 static_cast<uint32_t>(b[2]) << 8 | b[3];
    u.time_mid = static_cast<uint16_t>(b[4] << 8 | b[5]);
    u.time_hi_and_version = static_cast<uint16_t>(((b[6] << 8 | b[7]) & 0x0FFF) | 0x4000);
    u.clock_seq_hi_and_reserved = static_cast<uint8_t>((b[8] & 0x3F) | 0x80);
    u.clock_seq_low = b[9];
    std::memcpy(u.node.data(), b + 10, u.node.size());
    return u;
}

}  // namespace brindle::uuid
