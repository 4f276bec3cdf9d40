// Game path discovery is added here.
