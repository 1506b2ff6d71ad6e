#pragma once

// The numbered message windows.
enum class Message { Error409, Error407, Error605, Error305 };
