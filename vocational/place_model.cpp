// Placeholder until the place model is written.
